#include "client/form_registry.h"
#include "platform/shared/url.h"

#include "startup/web_url.h"

#include <string_view>
#include <utility>

namespace fluvane::client {

namespace {

// An http(s) page under the portal base: the base, then nothing, a path, a
// query or a fragment, so that "http://portal.test.example" or
// "http://portal.test@example" is not a page of "http://portal.test".
bool isPortalPage(std::string_view url, std::string_view portal) {
    if (portal.empty() || !platform::shared::isWebUrl(url) || !url.starts_with(portal)) return false;
    const std::string_view rest = url.substr(portal.size());
    return portal.ends_with('/') || rest.empty() || rest.front() == '/' || rest.front() == '?' || rest.front() == '#';
}

// A new window after its load step.
template <class Window>
std::unique_ptr<Window> loaded(std::unique_ptr<Window> window) {
    window->Form_Load();
    return window;
}

}  // namespace

FormRegistry::FormRegistry(platform::Platform& platform)
    : platform_(platform),
      form1_([this] {
          auto main = mainwindow::loadMainWindow(platform_, *this);
          main->form().formEvents.unload = [this, own = std::move(main->form().formEvents.unload)] {
              if (own) own();
              mainWindowUnloaded();
          };
          return main;
      }),
      tan_([this] { return loaded(std::make_unique<windows::tan>(platform_)); }),
      tui_([this] { return loaded(std::make_unique<windows::tui>(platform_)); }),
      yijian_([this] { return loaded(std::make_unique<windows::yijian>(platform_, Form1().portalAddress())); }),
      frmAppTip_([this] { return std::make_unique<windows::FrmAppTip>(platform_); }),
      shezhitip_([this] {
          return loaded(
              std::make_unique<windows::shezhitip>(platform_, [this](const std::string& text) { ShowTip(text); }));
      }),
      shezhigy_([this] { return std::make_unique<windows::shezhigy>(platform_); }),
      fMain_([this] {
          auto window = std::make_unique<windows::fMain>(platform_);
          mainwindow::MainWindow& main = Form1();
          window->Form_Load(main.form(), main.magneticWindows());
          return window;
      }),
      hit_([this] { return loaded(std::make_unique<windows::hit>(platform_, [this] { return loadedForm1(); })); }) {
    platform_.instanceChannel.pageReceived = [this](const std::string& pageUrl) { showHandedPage(pageUrl); };
}

FormRegistry::~FormRegistry() {
    platform_.instanceChannel.pageReceived = nullptr;
    fMain_.unload();
}

platform::Form* FormRegistry::mainForm() {
    mainwindow::MainWindow* main = loadedForm1();
    return main ? &main->form() : nullptr;
}

// Only the exit advertisement outlives the main window, and ends the program
// itself. A hidden tip or a side window left loaded would keep the program
// running with a dead tray icon and the single-instance lock held, so every
// other window goes too and the program ends with its last window.
void FormRegistry::mainWindowUnloaded() {
    tan_.unload();
    hit_.unload();
    yijian_.unload();
    frmAppTip_.unload();
    shezhitip_.unload();
    shezhigy_.unload();
    fMain_.unload();
}

void FormRegistry::showPopupAd(const std::string& url) { tan_.get().Show(url, mainForm()); }

void FormRegistry::showRecommendation() { hit_.get().Show(mainForm()); }

void FormRegistry::showExitAd() { tui_.get().show(); }

void FormRegistry::closePopupAd() { tan_.unload(); }

void FormRegistry::showFeedback() { yijian_.get().Show(Form1().form()); }

void FormRegistry::ShowTip(const std::string& text) { frmAppTip_.get().ShowTip(text); }

windows::Form2& FormRegistry::Form2() {
    if (!form2_) {
        form2_ = std::make_unique<windows::Form2>(
            platform_, [this] { return loadedForm1(); }, [this] { showAbout(); }, [this] { showSettings(); });
    }
    return *form2_;
}

void FormRegistry::ShowTrayMenu(platform::Point screen) { Form2().popupMenu(Form2().menu, screen); }

void FormRegistry::showMainMenu(platform::Point screen) { Form2().popupMenu(Form2().caidan, screen); }

void FormRegistry::showPageMenu(platform::Point screen) { Form2().popupMenu(Form2().MyMenu, screen); }

void FormRegistry::showSideWindow(platform::Point topLeft) { fMain_.get().Show(topLeft); }

void FormRegistry::showSettings() {
    shezhitip_.get().Show(mainForm());
    shezhigy_.unload();
}

void FormRegistry::showAbout() {
    shezhigy_.get().Show(mainForm());
    shezhitip_.unload();
}

void FormRegistry::showHandedPage(const std::string& pageUrl) {
    mainwindow::MainWindow* main = loadedForm1();
    if (!main) {
        pendingPage_ = pageUrl;
        return;
    }
    if (!isPortalPage(pageUrl, main->portalAddress())) return;
    main->startFirstNavigation();
    main->showLibraryPage(pageUrl);
    main->appopen();
    platform::Form& window = main->form();
    // Restored as the window manager would: to maximised if it was, past the window's own procedures.
    if (window.windowState() == platform::WindowState::Minimized)
        window.sendMessage(platform::msg::SysCommand, platform::syscmd::Restore, 0);
    window.show();
    window.setForeground();
}

void FormRegistry::showPendingPage() {
    if (const auto page = std::exchange(pendingPage_, std::nullopt)) showHandedPage(*page);
}

}  // namespace fluvane::client

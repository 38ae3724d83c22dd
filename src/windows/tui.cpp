#include "windows/tui.h"

#include "mainwindow/command_url.h"
#include "startup/config_files.h"
#include "startup/process_utils.h"
#include "startup/web_url.h"
#include "windows/ad_window.h"
#include "windows/window_placement.h"

namespace fluvane::windows {

namespace {

constexpr double kWidthTwipsPerPixel = 14.3;
constexpr const char* kSiblingPlayer = "orvelkan.exe";

}  // namespace

tui::tui(platform::Platform& platform) : tuiDesign(platform.ui), T1(platform.ui.createTimer()), platform_(platform) {
    T1->setInterval(kTimerInterval);
    T1->tick = [this] { T1_Timer(); };
    form_->events.resize = [this] { Form_Resize(); };
    form_->formEvents.unload = [this] { Form_Unload(); };
    w->browserEvents.downloadBegin = [this] { w_DownloadBegin(); };
    w->browserEvents.beforeNavigate2 = [this](const std::string& url, const platform::NavigationSource& source,
                                              bool& cancel) { w_BeforeNavigate2(url, source, cancel); };
    w->browserEvents.newWindow2 = [this](bool& cancel) { w_NewWindow2(cancel); };
    closeHook_.install(*form_,
                       [this](std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam,
                              const platform::WindowProcedure& next) -> std::intptr_t {
                           if (message == platform::msg::SysCommand && wParam == platform::syscmd::Close) {
                               closeToBackground();
                               return 0;
                           }
                           return next(message, wParam, lParam);
                       });
    Form_Resize();
}

void tui::Form_Load() {
    // The main window reported the portal at its load, before any exit.
    dizhi->setCaption(startup::readPortalBase(platform_, startup::BuiltInPortalNotice::Silent));
    L1->setCaption(startup::ReadServerConfig(platform_, "退窗广告设置项", "广告宽"));
    l2->setCaption(startup::ReadServerConfig(platform_, "退窗广告设置项", "广告高"));
    sizeAdWindow(*this, platform_.ui, kWidthTwipsPerPixel);
    centreOnScreen(*form_, platform_.ui);
    if (const auto page = startup::portalPage(dizhi->caption(), "/tcab/zelad/tui/?id=1")) w->navigate(*page);
    T1->setEnabled(true);
}

void tui::Form_Resize() { layOutFrameStrips(*this); }

void tui::Form_Unload() {
    if (!closed_) startClosingWait();
}

void tui::closeToBackground() {
    if (closed_) return;
    form_->hide();
    startClosingWait();
}

// The wait starts again from the close, however long the window showed.
void tui::startClosingWait() {
    closed_ = true;
    T1->setEnabled(false);
    T1->setEnabled(true);
}

void tui::show() { form_->show(); }

void tui::w_DownloadBegin() { w->setSilent(true); }

// Frames of other sites inside the page cannot close the window.
void tui::w_BeforeNavigate2(const std::string& url, const platform::NavigationSource& source, bool& cancel) {
    if (!mainwindow::isTrustedCommandSource(source, dizhi->caption()) || !isCloseCommand(url)) return;
    cancel = true;
    closeToBackground();
}

void tui::w_NewWindow2(bool&) { closeToBackground(); }

void tui::T1_Timer() {
    T1->setEnabled(false);
    KillVodSoft(kSiblingPlayer);
    if (closed_) endClient();
}

void tui::KillVodSoft(const std::string& imageName) { startup::KillProcessByName(platform_.processes, imageName); }

// The terminations of the exit without an advertisement, then the client's
// own end, in order.
void tui::endClient() {
    startup::KillAllPlayers(platform_.processes);
    platform_.application.endProcess(0);
}

}  // namespace fluvane::windows

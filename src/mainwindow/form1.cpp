#include "mainwindow/form1.h"

#include "platform/shared/twips.h"
#include "startup/config_files.h"
#include "startup/web_url.h"

#include <filesystem>

namespace fluvane::mainwindow {

namespace {

// The program's own icon at the platform's large size, which the window and
// the tray icon carry until the skin's icon replaces it.
constexpr int kProgramIcon = 203;

// Every timer of the window dies with it.
std::unique_ptr<platform::Timer> makeTimer(platform::Ui& ui, platform::Form& window, int interval,
                                           std::function<void()> tick) {
    auto timer = ui.createTimer(window);
    timer->setInterval(interval);
    timer->tick = std::move(tick);
    return timer;
}

}  // namespace

Form1::Form1(platform::Platform& platform, SecondaryWindows& windows)
    : Form1Design(platform.ui, platform.portalUrl),
      tray(platform.ui, *form_, [this](platform::Point screen) { windows_.ShowTrayMenu(screen); }),
      taskbarButton(*form_, tray),
      maximiseHook(platform.ui),
      oMagneticWnd(platform.ui),
      platform_(platform),
      windows_(windows),
      playlist_(*SFPlayList1, platform.ui, *form_, platform.files,
                platform.application.dataDirectory() / "zelskin" / "zelplaylist.xml"),
      popups_(platform.ui, *form_, windows, values_),
      buffering_(platform.ui, *form_, *vip, *tip, values_),
      listAd_(platform.ui, *form_, *listad1, *Picture6, *SFPlayList1Window),
      notices_(platform, *form_, *Label2, platform.application.dataDirectory() / "link.txt"),
      titleBar_(*this, titleBarActions()) {
    platform::Ui& ui = platform.ui;
    tray.setWindowIcon(ui.resourcePicture(kProgramIcon));
    T4 = makeTimer(ui, *form_, 3000, [this] { T4_Timer(); });
    hit2 = makeTimer(ui, *form_, 6000, [this] { hit2_Timer(); });
    connectLayout();
    connectPainting();
    connectMouse();
    connectPanes();
    connectCommands();
    connectPlaylist();

    // Sizing the window lays out the whole tree.
    const platform::Size screen = ui.screenSize();
    form_->setGeometry(platform::Rect::fromSize((screen.width - kDesignWidth) / 2, (screen.height - kDesignHeight) / 2,
                                                kDesignWidth, kDesignHeight));
}

// The steps keep their order: later ones read what earlier ones set up.
void Form1::Form_Load() {
    const std::filesystem::path appDir = platform_.application.directory();

    tray.ShowTrayIcon(form_->caption());

    W2->browserEvents.newWindow = [this](const std::string& url, const platform::NavigationSource& source,
                                         bool& processed) { W2_NewWindow(url, source, processed); };

    if (!LoadSkin()) return;

    playlist_.load();

    ListWeb->setSilent(true);
    const std::string loadingPage = startup::localPageUrl(appDir / "zelskin" / "html" / "Loading.html");
    ListWeb->navigate(loadingPage);
    W2->navigate(loadingPage);

    const platform::Size screen = platform_.ui.screenSize();
    maximiseHook.MaximiseBounds(*form_, {0, 0},
                                {platform::shared::twipsToPixels(platform::shared::pixelsToTwips(screen.width)),
                                 platform::shared::twipsToPixels(platform::shared::pixelsToTwips(screen.height) -
                                                                 maximiseHook.TaskbarHeight())});

    values_ = readServerValues(platform_);
    form_->setCaption(startup::ReadServerConfig(platform_, "澜映软件配置", "名称"));

    taskbarButton.TaskbarButtonBehaviour();

    popups_.start();
    if (values_.hit1) hit2->setEnabled(true);

    settings_ = readStartupSettings(platform_);

    Picture1->setVisible(settings_.shipinku);
    titleBar_.paintViewTabs();

    oMagneticWnd.AddWindow(*form_);

    Label1->setCaption("当前版本:" + startup::ReadConfig(platform_, "Version", "Version", "") + "版");

    platform_.network.downloadToFile(platform_.portalUrl + "/zel/link.txt",
                                     platform_.application.dataDirectory() / "link.txt");

    notices_.start();
}

void Form1::show() { form_->show(); }

}  // namespace fluvane::mainwindow

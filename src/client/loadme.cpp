#include "client/loadme.h"

#include "mainwindow/main_window_values.h"
#include "startup/arguments.h"
#include "startup/config_files.h"
#include "startup/update.h"

#include <vector>

namespace fluvane::client {

using startup::CheckForUpdate;
using startup::DecodeArguments;
using startup::FetchServerConfig;
using startup::parseBoolean;
using startup::ReadConfig;
using startup::ReadServerConfig;
using startup::UpdateDecision;

namespace {

constexpr const char* kOfflineTitle = "网络没有连接";
constexpr const char* kOfflineText = "请连接网络重试";
constexpr int kInformationIcon = 1;
constexpr int kBalloonTimeoutMs = 10000;

// The whole command line after the program name, as the system hands it over.
std::string commandLine(const std::vector<std::string>& arguments) {
    std::string line;
    for (const std::string& argument : arguments) {
        if (!line.empty()) line += ' ';
        line += argument;
    }
    return line;
}

}  // namespace

loadme::loadme(platform::Platform& platform, FormRegistry& forms) : platform_(platform), forms_(forms) {}

void loadme::Form_Load() {
    if (platform_.processes.anotherInstanceRunning()) {
        handPageToRunningInstance();
        platform_.application.endProcess(0);
        return;
    }
    // From the start, so that a shortcut clicked while this start-up still
    // runs (or waits on the update question) is not lost.
    platform_.instanceChannel.listen();

    form_ = platform_.ui.createForm();
    form_->setAlpha(0);
    form_->setShowInTaskbar(false);
    nolink = platform_.ui.createTimer(*form_);
    nolink->setInterval(100);
    nolink->tick = [this] { nolink_Timer(); };
    TmrLoad = platform_.ui.createTimer(*form_);
    TmrLoad->setInterval(300);
    TmrLoad->tick = [this] { TmrLoad_Timer(); };
    form_->show();

    const std::string& checkUrl = platform_.checkUrl.empty() ? platform_.portalUrl : platform_.checkUrl;
    if (!platform_.network.checkConnection(checkUrl)) {
        tellOffline();
        return;
    }

    const std::string decoded = decodedCommandLine();
    if (decoded.empty()) {
        nolink->setEnabled(true);
        updateFlag = ReadConfig(platform_, "form", "update", "");
        return;
    }
    startFromShortcut(decoded);
}

std::string loadme::decodedCommandLine() const {
    return DecodeArguments(platform_.codePage, commandLine(platform_.application.arguments()));
}

// A desktop shortcut clicked while the client runs: the running client shows
// its page, so the click is not lost. Only the page goes over, and only a web
// page: the command line is anyone's to write.
void loadme::handPageToRunningInstance() {
    if (const auto start = startup::parseShortcutArgument(decodedCommandLine()))
        platform_.instanceChannel.sendPage(start->pageUrl);
}

// The hidden main window's load installs the tray icon that carries the
// balloon. The process lives on, doing nothing else, until the balloon has had
// its time; without a notification area a message box says the same.
void loadme::tellOffline() {
    mainwindow::MainWindow& main = forms_.Form1();
    main.stopStartupTimers();
    if (!main.canHideToTray()) {
        platform_.ui.messageBox(kOfflineTitle, kOfflineText, platform::MessageBoxIcon::Information,
                                platform::MessageBoxButtons::Ok);
        platform_.application.endProcess(0);
        return;
    }
    // The half-loaded main window must not come up meanwhile.
    main.showStartupBalloon(kOfflineTitle, kOfflineText, kInformationIcon, kBalloonTimeoutMs);
    offline = platform_.ui.createTimer();
    offline->setInterval(kBalloonTimeoutMs);
    offline->tick = [this] { platform_.application.endProcess(0); };
    offline->setEnabled(true);
}

void loadme::startFromShortcut(const std::string& decoded) {
    const auto start = startup::parseShortcutArgument(decoded);
    if (!start) {
        platform_.application.endProcess(0);
        return;
    }
    mainwindow::MainWindow& main = forms_.Form1();
    main.openOnPage(start->pageUrl);
    // The page is what the user asked for, whichever view the window opens on.
    main.appopen();
    unload();
    forms_.showPendingPage();
}

void loadme::nolink_Timer() {
    nolink->setEnabled(false);
    FetchServerConfig(platform_);
    TmrLoad->setEnabled(true);
    Text2 = ReadServerConfig(platform_, "软件更新配置", "版本");
    Text1 = ReadConfig(platform_, "Version", "Version", "");
    Text3 = ReadServerConfig(platform_, "右侧飘窗", "开关");
}

void loadme::TmrLoad_Timer() {
    TmrLoad->setEnabled(false);
    if (parseBoolean(updateFlag).value_or(false) &&
        CheckForUpdate(platform_, Text1, Text2) == UpdateDecision::ProcessEnded) {
        return;
    }
    handOver();
}

void loadme::handOver() {
    mainwindow::MainWindow& main = forms_.Form1();
    main.show();
    if (mainwindow::isSwitchOn(Text3)) {
        const platform::Rect beside = main.form().geometry();
        forms_.showSideWindow({beside.right, beside.top});
    }
    unload();
    forms_.showPendingPage();
}

void loadme::unload() {
    nolink->setEnabled(false);
    TmrLoad->setEnabled(false);
    form_->close();
    unloaded_ = true;
}

}  // namespace fluvane::client

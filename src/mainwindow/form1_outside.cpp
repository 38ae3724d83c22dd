#include "mainwindow/form1.h"

#include "platform/shared/url.h"
#include "startup/process_utils.h"

namespace fluvane::mainwindow {

std::unique_ptr<MainWindow> loadMainWindow(platform::Platform& platform, SecondaryWindows& windows) {
    auto window = std::make_unique<Form1>(platform, windows);
    window->Form_Load();
    return window;
}

void Form1::showLibraryPage(const std::string& url) { ListWeb->navigate(url); }

void Form1::libraryBack() { ListWeb->goBack(); }

void Form1::libraryForward() { ListWeb->goForward(); }

void Form1::libraryRefresh() { ListWeb->refresh(); }

// Unlike a play from a page, the player page shows even when `url` is no web
// page, and the version text comes back.
void Form1::playRecommendation(const std::string& url) {
    bj->setVisible(false);
    startup::KillExternalPlayers(platform_.processes);
    广告倒计时();
    if (platform::shared::isWebUrl(url)) W3->navigate(url);
    W3->setVisible(true);
    Label1->setVisible(true);
    appplay();
}

void Form1::stopStartupTimers() {
    for (platform::Timer* timer : {T4.get(), hit2.get()}) timer->setEnabled(false);
    popups_.stop();
    notices_.stop();
}

void Form1::startFirstNavigation() {
    if (T4->enabled()) T4_Timer();
}

void Form1::openOnPage(const std::string& url) {
    T4->setEnabled(false);
    show();
    qvod->navigate(values_.dizhi + "/tcab/zelad/zelloading.html");
    ListWeb->navigate(url);
}

bool Form1::canHideToTray() { return tray.canHideToTray(); }

void Form1::hideToTray() { tray.hideToTray(); }

void Form1::showStartupBalloon(const std::string& title, const std::string& text, int icon, int timeoutMs) {
    tray.ignoreClicks();
    tray.ShowBalloon(title, text, icon, timeoutMs);
}

}  // namespace fluvane::mainwindow

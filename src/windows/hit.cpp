#include "windows/hit.h"
#include "platform/shared/url.h"

#include "mainwindow/command_url.h"
#include "platform/shared/twips.h"
#include "startup/web_url.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace fluvane::windows {

namespace {

constexpr int kRiseTick = 15;    // ms
constexpr int kStayTick = 1000;  // ms
constexpr int kFadeFirst = 255;  // alpha
constexpr int kFadeLast = 15;
constexpr int kFadeStep = 10;

// Every occurrence of `from`, in this letter case only.
std::string replaceAll(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

}  // namespace

hit::hit(platform::Platform& platform, LoadedMainWindow mainWindow)
    : hitDesign(platform.ui),
      T1(platform.ui.createTimer(*form_)),
      Timer1(platform.ui.createTimer(*form_)),
      Timer2(platform.ui.createTimer(*form_)),
      platform_(platform),
      mainWindow_(std::move(mainWindow)) {
    T1->setInterval(kPageDelay);
    T1->tick = [this] { T1_Timer(); };
    // Both stand ready at interval 0, which never ticks, until given one.
    Timer1->setEnabled(true);
    Timer1->tick = [this] { Timer1_Timer(); };
    Timer2->setEnabled(true);
    Timer2->tick = [this] { Timer2_Timer(); };
    form_->formEvents.unload = [this] { Form_Unload(); };
    w->browserEvents.downloadBegin = [this] { w_DownloadBegin(); };
    w->browserEvents.beforeNavigate2 = [this](const std::string& url, const platform::NavigationSource& source,
                                              bool& cancel) { w_BeforeNavigate2(url, source, cancel); };
}

// The first placement, screen width less the window less 140 twips, is
// replaced by this one before the window shows, so only this one is made.
void hit::Form_Load() {
    w->navigate(startup::localPageUrl(platform_.application.directory() / "app" / "loading.html"));
    T1->setEnabled(true);
    RevealStep = 10;
    FadeDelay = 10;
    Timer1->setInterval(kRiseTick);
    StaySeconds = 30;

    const platform::Size screen = platform_.ui.screenSize();
    const platform::Rect window = form_->geometry();
    const int left = platform::shared::twipsToWholePixels(screen.width * platform::shared::kTwipsPerPixel * 0.8);
    const int top = platform::shared::twipsToWholePixels(screen.height * platform::shared::kTwipsPerPixel * 0.72);
    form_->setGeometry(platform::Rect::fromSize(left, top, window.width(), window.height()));
    form_->setTopmost(true);

    // The top corner lies a window's width down, at or below the bottom edge
    // of this wide window: only the bottom row shows.
    RevealRect = {0, static_cast<std::int16_t>(window.width()), static_cast<std::int16_t>(window.width()),
                  static_cast<std::int16_t>(window.height() - 1)};
    applyRegion();
}

void hit::Form_Unload() {
    closed_ = true;
    T1->setEnabled(false);
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
}

void hit::Show(platform::Form* owner) {
    form_->setOwner(owner);
    form_->show();
}

void hit::w_DownloadBegin() { w->setSilent(true); }

void hit::T1_Timer() {
    T1->setEnabled(false);
    mainwindow::MainWindow* main = mainWindow_();
    if (!main) return;
    if (const auto page = startup::portalPage(main->portalAddress(), "/tcab/hit.asp?id=999")) w->navigate(*page);
}

// Each tick uncovers RevealStep more rows; the one that reaches the top
// leaves the whole window visible and starts the stay.
void hit::Timer1_Timer() {
    RevealRect.Y2 = static_cast<std::int16_t>(RevealRect.Y2 - RevealStep);
    if (RevealRect.Y2 <= 0) {
        Timer1->setEnabled(false);
        if (StaySeconds != 0) {
            Timer2->setInterval(kStayTick);
            Timer2->setEnabled(true);
        }
    }
    applyRegion();
}

void hit::Timer2_Timer() {
    StayCount = static_cast<std::int16_t>(StayCount + 1);
    if (StayCount >= StaySeconds) unload();
}

void hit::applyRegion() {
    const auto [x1, y1, x2, y2] = RevealRect;
    form_->setRegion(
        platform::RoundedRect{{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)}, {0, 0}});
}

void hit::unload() {
    if (!closed_) form_->close();
}

// Only the page itself or a frame of the portal's origin commands the main
// window, and its panes go only to web pages. A closed window's page
// commands nothing and goes nowhere.
void hit::w_BeforeNavigate2(const std::string& url, const platform::NavigationSource& source, bool& cancel) {
    using mainwindow::isCommandUrl;
    if (closed_) {
        cancel = true;
        return;
    }
    const auto portal = [this] {
        mainwindow::MainWindow* main = mainWindow_();
        return main ? main->portalAddress() : std::string();
    };
    if (!mainwindow::isTrustedCommandSource(source, portal())) return;

    std::string target = url;
    if (isCommandUrl(target, mainwindow::scheme::appclose)) {
        cancel = true;
        const std::weak_ptr<int> alive = lifetime_;
        const bool faded = FadeOutWindow();
        if (alive.expired()) return;
        if (faded) unload();
    }
    if (isCommandUrl(target, mainwindow::scheme::appopen)) {
        cancel = true;
        target = replaceAll(target, mainwindow::scheme::appopen, portal());
        if (mainwindow::MainWindow* main = mainWindow_()) {
            if (platform::shared::isWebUrl(target)) main->showLibraryPage(target);
            main->appopen();
        }
        unload();
    }
    if (isCommandUrl(target, mainwindow::scheme::appplay)) {
        cancel = true;
        target = replaceAll(target, mainwindow::scheme::appplay, portal());
        if (mainwindow::MainWindow* main = mainWindow_()) main->playRecommendation(target);
        unload();
    }
}

bool hit::FadeOutWindow() {
    if (fadeStarted_ || closed_) return false;
    fadeStarted_ = true;
    platform::Ui& ui = platform_.ui;
    const std::weak_ptr<int> alive = lifetime_;
    for (int alpha = kFadeFirst; alpha >= kFadeLast; alpha -= kFadeStep) {
        form_->setAlpha(alpha);
        ui.processEvents();
        if (alive.expired() || closed_) return false;
        ui.sleep(FadeDelay);
    }
    return true;
}

}  // namespace fluvane::windows

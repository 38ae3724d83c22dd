#pragma once

#include "mainwindow/secondary_windows.h"

#include <functional>
#include <string>
#include <vector>

namespace fluvane::testsupport {

// The secondary windows as the main window asks for them; `onCall` runs at
// each call, for tests that look at the state the call found.
class RecordingWindows : public mainwindow::SecondaryWindows {
public:
    void showPopupAd(const std::string& url) override { record("popup " + url); }
    void showRecommendation() override { record("recommendation"); }
    void showExitAd() override { record("exit ad"); }
    void closePopupAd() override { record("close popup"); }
    void showFeedback() override { record("feedback"); }
    void ShowTip(const std::string& text) override { record("tip " + text); }
    void showMainMenu(platform::Point screen) override { record("main menu " + at(screen)); }
    void ShowTrayMenu(platform::Point screen) override { record("tray menu " + at(screen)); }
    void showPageMenu(platform::Point screen) override { record("page menu " + at(screen)); }

    std::vector<std::string> calls;
    std::function<void()> onCall;

private:
    static std::string at(platform::Point screen) { return std::to_string(screen.x) + "," + std::to_string(screen.y); }
    void record(std::string call) {
        calls.push_back(std::move(call));
        if (onCall) onCall();
    }
};

}  // namespace fluvane::testsupport

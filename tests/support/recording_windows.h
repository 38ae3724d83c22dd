#pragma once

#include "mainwindow/secondary_windows.h"

#include <string>
#include <vector>

namespace fluvane::testsupport {

// The secondary windows as the main window asks for them.
class RecordingWindows : public mainwindow::SecondaryWindows {
public:
    void ShowPopupAd(const std::string& url) override { calls.push_back("popup " + url); }
    void ShowRecommendation() override { calls.push_back("recommendation"); }
    void ShowExitAd() override { calls.push_back("exit ad"); }
    void ClosePopupAd() override { calls.push_back("close popup"); }
    void ShowFeedback() override { calls.push_back("feedback"); }
    void ShowTip(const std::string& text) override { calls.push_back("tip " + text); }
    void ShowTrayMenu(platform::Point screen) override {
        calls.push_back("tray menu " + std::to_string(screen.x) + "," + std::to_string(screen.y));
    }

    std::vector<std::string> calls;
};

}  // namespace fluvane::testsupport

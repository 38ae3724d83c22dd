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

    std::vector<std::string> calls;
};

}  // namespace fluvane::testsupport

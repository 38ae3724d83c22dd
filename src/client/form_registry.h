#pragma once

#include "client/form_slot.h"
#include "mainwindow/form1.h"
#include "mainwindow/secondary_windows.h"
#include "platform/platform.h"

namespace fluvane::client {

// Every window of the program, each created on first use. The main window
// reaches the others through the narrow SecondaryWindows interface.
class FormRegistry final : public mainwindow::SecondaryWindows {
public:
    explicit FormRegistry(platform::Platform& platform);

    // The main window, loaded on first use.
    mainwindow::Form1& Form1() { return form1_.get(); }
    mainwindow::Form1* loadedForm1() { return form1_.loaded(); }

    void ShowPopupAd(const std::string& url) override;
    void ShowRecommendation() override;

private:
    platform::Platform& platform_;
    FormSlot<mainwindow::Form1> form1_;
};

}  // namespace fluvane::client

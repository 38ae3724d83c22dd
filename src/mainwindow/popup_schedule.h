#pragma once

#include "mainwindow/main_window_values.h"
#include "mainwindow/secondary_windows.h"
#include "platform/platform.h"

#include <cstdint>
#include <memory>

namespace fluvane::mainwindow {

// When the pop-up advertisement shows: the first L1 seconds after loading,
// later ones every l2 seconds, while `ad` is on.
class PopupSchedule {
public:
    // `values` are read later, at the window's load; its timers die with `window`.
    PopupSchedule(platform::Ui& ui, platform::Form& window, SecondaryWindows& windows, const ServerValues& values);
    PopupSchedule(const PopupSchedule&) = delete;
    PopupSchedule& operator=(const PopupSchedule&) = delete;

    void start();  // from the load: nothing while `ad` is off
    void stop();

private:
    friend struct Form1Inside;

    void T6_Timer();  // one second more; a pop-up when its time has come

    SecondaryWindows& windows_;
    const ServerValues& values_;
    std::unique_ptr<platform::Timer> T6;  // pop-up advertisement schedule, every second
    std::int32_t popupCounter_ = 0;       // T6 ticks since the last pop-up
    bool popupShown_ = false;             // the first pop-up has been shown
};

}  // namespace fluvane::mainwindow

#pragma once

#include "mainwindow/main_window_values.h"
#include "platform/platform.h"

#include <cstdint>
#include <memory>

namespace fluvane::mainwindow {

// The buffering overlay over the player while a title starts: it counts the
// server's `da` seconds down and goes at 0.
class BufferingCountdown {
public:
    // `vip` is the overlay and `tip` its number; `values` are read later, at
    // the window's load; the timer dies with `window`.
    BufferingCountdown(platform::Ui& ui, platform::Form& window, platform::Surface& vip, platform::Label& tip,
                       const ServerValues& values);
    BufferingCountdown(const BufferingCountdown&) = delete;
    BufferingCountdown& operator=(const BufferingCountdown&) = delete;

    // False when `huangchong` is off or `da` unusable: no countdown runs, since
    // such a one would never reach 0 and would leave the overlay up.
    bool start();

private:
    friend struct Form1Inside;

    void Timer8_Timer();  // one tick less on the overlay

    platform::Surface& vip;  // buffering overlay
    platform::Label& tip;    // the countdown number
    const ServerValues& values_;
    std::unique_ptr<platform::Timer> Timer8;  // buffering countdown
    std::int32_t bufferingCountdown_ = 0;     // ticks left on the overlay
};

}  // namespace fluvane::mainwindow

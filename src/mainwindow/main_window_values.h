#pragma once

#include "platform/platform.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace fluvane::mainwindow {

// The main window's server values, read once at its load. A switch is on
// only when the server writes exactly "1"; a time that is no usable number
// of seconds is nothing, which switches its timed behaviour off.
struct ServerValues {
    std::string dizhi;               // portal base URL for every page
    bool ad = false;                 // pop-up advertisement switch
    std::optional<std::int32_t> L1;  // seconds to the first pop-up
    std::optional<std::int32_t> l2;  // seconds between later pop-ups
    bool tuichu = false;             // exit advertisement switch
    bool huangchong = false;         // buffering countdown switch
    std::optional<std::int32_t> da;  // buffering countdown, seconds
    bool hit1 = false;               // recommendation window switch
};

// The four "form" keys of the local settings file; one that is no Boolean is off.
struct StartupSettings {
    bool form = false;      // close only hides the window
    bool run = false;       // start with the desktop session
    bool renwulan = false;  // minimise to the taskbar rather than hide
    bool shipinku = false;  // open on the library view
};

// A server switch's text as the window reads it.
bool isSwitchOn(std::string_view text);

ServerValues readServerValues(platform::Platform& platform);
StartupSettings readStartupSettings(platform::Platform& platform);

}  // namespace fluvane::mainwindow

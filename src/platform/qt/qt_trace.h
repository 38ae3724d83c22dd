#pragma once

#include <functional>
#include <string>

namespace fluvane::platform::qt {

// Moments a measurement outside the platform hears of (scripts/run's
// start-up time, the renderer-recovery benchmark); nothing is told while
// they are not set.
struct TraceHooks {
    std::function<void(const std::string& caption)> firstPaint;  // a window's first paint
    std::function<void(const std::string& url)> pageLoaded;      // a pane's page has loaded
};

TraceHooks& traceHooks();

}  // namespace fluvane::platform::qt

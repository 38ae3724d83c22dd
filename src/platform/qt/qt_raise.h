#pragma once

#include <functional>
#include <utility>

namespace fluvane::platform::qt {

// Calls an event handler through a copy: a handler may replace itself, or
// destroy the control that holds it, while it runs.
template <class... Params, class... Args>
void raiseEvent(const std::function<void(Params...)>& handler, Args&&... args) {
    if (!handler) return;
    const auto copy = handler;
    copy(std::forward<Args>(args)...);
}

}  // namespace fluvane::platform::qt

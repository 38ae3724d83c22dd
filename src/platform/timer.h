#pragma once

#include <functional>

namespace fluvane::platform {

// A window timer on the user-interface thread. A tick that falls due while the
// thread is blocked arrives once afterwards, however many intervals passed.
class Timer {
public:
    virtual ~Timer() = default;
    virtual int interval() const = 0;  // milliseconds; 0 never ticks
    virtual void setInterval(int milliseconds) = 0;
    virtual bool enabled() const = 0;
    // Switching on, or changing the interval of an enabled timer, restarts the
    // wait; switching on a timer that is already on changes nothing.
    virtual void setEnabled(bool enabled) = 0;

    std::function<void()> tick;
};

}  // namespace fluvane::platform

#include "platform/qt/qt_timers.h"

#include <algorithm>

namespace fluvane::platform::qt {

QtTimer::QtTimer(std::shared_ptr<const bool> closed) : windowClosed_(std::move(closed)) {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (windowClosed()) {
            setEnabled(false);
            return;
        }
        // A handler may replace itself or switch the timer off while it runs.
        if (auto handler = tick) handler();
    });
}

void QtTimer::setInterval(int milliseconds) {
    milliseconds = std::max(milliseconds, 0);
    if (milliseconds == interval_) return;
    interval_ = milliseconds;
    restart();
}

void QtTimer::setEnabled(bool enabled) {
    if (windowClosed()) enabled = false;
    if (enabled == enabled_) return;
    enabled_ = enabled;
    restart();
}

// An interval of 0 never ticks.
void QtTimer::restart() {
    if (enabled_ && interval_ > 0) {
        timer_.start(interval_);
    } else {
        timer_.stop();
    }
}

}  // namespace fluvane::platform::qt

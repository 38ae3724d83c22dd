#include "platform/qt/qt_timer.h"

#include <algorithm>

namespace fluvane::qtplatform {

QtTimer::QtTimer() {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (tick) tick();
    });
}

void QtTimer::setInterval(int milliseconds) {
    interval_ = std::max(milliseconds, 0);
    restart();
}

void QtTimer::setEnabled(bool enabled) {
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

}  // namespace fluvane::qtplatform

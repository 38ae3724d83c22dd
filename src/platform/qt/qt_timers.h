#pragma once

#include "platform/timer.h"

#include <QTimer>

namespace fluvane::platform::qt {

// Qt's timers already deliver a tick that fell due during a blocking call
// once afterwards.
class QtTimer : public platform::Timer {
public:
    QtTimer();

    int interval() const override { return interval_; }
    void setInterval(int milliseconds) override;
    bool enabled() const override { return enabled_; }
    void setEnabled(bool enabled) override;

private:
    void restart();

    QTimer timer_;
    int interval_ = 0;
    bool enabled_ = false;
};

}  // namespace fluvane::platform::qt

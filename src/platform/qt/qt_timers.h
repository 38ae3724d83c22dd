#pragma once

#include "platform/timer.h"

#include <QTimer>

#include <memory>

namespace fluvane::platform::qt {

// Qt's timers already deliver a tick that fell due during a blocking call
// once afterwards.
class QtTimer : public platform::Timer {
public:
    // With `closed`, a timer of a window that stops once it is true.
    explicit QtTimer(std::shared_ptr<const bool> closed = nullptr);

    int interval() const override { return interval_; }
    void setInterval(int milliseconds) override;
    bool enabled() const override { return enabled_ && !windowClosed(); }
    void setEnabled(bool enabled) override;

private:
    void restart();
    bool windowClosed() const { return windowClosed_ && *windowClosed_; }

    std::shared_ptr<const bool> windowClosed_;
    QTimer timer_;
    int interval_ = 0;
    bool enabled_ = false;
};

}  // namespace fluvane::platform::qt

#pragma once

#include "platform/timer.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace fluvane::platform::sim {

class SimTimer;

// Virtual time in milliseconds; it moves only when a test or a blocking call
// says so. Timers fall due on it and tick on the thread's message loop, which
// here is `advance` and `fireOverdue`.
class SimClock {
public:
    std::int64_t now() const { return now_; }

    // Moves the clock forward, ticking every timer at its due time: earliest
    // first, equal due times in the order their waits began. `betweenTicks`
    // runs before each tick and at the end (the loop's other pending work).
    // A timer that fell due during a blocking call ticks once, at once; one
    // due after the target time, even if a tick blocked past it, waits for
    // the next call, so a tick that always blocks cannot hold a test forever.
    void advance(std::int64_t milliseconds, const std::function<void()>& betweenTicks);
    // A blocking call: time passes, nothing ticks. Timers that fell due
    // meanwhile tick once at the next `advance` or `fireOverdue`.
    void block(std::int64_t milliseconds);
    // Ticks, once each, the timers whose due time has passed.
    void fireOverdue();

private:
    friend class SimTimer;
    SimTimer* nextDue(std::int64_t limit) const;
    void fire(SimTimer& timer);

    std::int64_t now_ = 0;
    std::uint64_t nextWait_ = 0;
    std::vector<SimTimer*> timers_;
};

class SimTimer final : public platform::Timer {
public:
    // With `windowClosed`, a timer of a window that stops once it is true.
    explicit SimTimer(SimClock& clock, std::shared_ptr<const bool> windowClosed = nullptr);
    ~SimTimer() override;
    SimTimer(const SimTimer&) = delete;
    SimTimer& operator=(const SimTimer&) = delete;

    int interval() const override { return interval_; }
    void setInterval(int milliseconds) override;
    bool enabled() const override { return enabled_ && !windowClosed(); }
    // Enabling an enabled timer changes nothing; disable first to restart it.
    void setEnabled(bool enabled) override;

    // The virtual time of the next tick, if it will tick at all.
    bool armed() const { return enabled() && interval_ > 0; }
    std::int64_t dueAt() const { return dueAt_; }

private:
    friend class SimClock;
    void restartWait();
    bool windowClosed() const { return windowClosed_ && *windowClosed_; }

    SimClock& clock_;
    std::shared_ptr<const bool> windowClosed_;
    int interval_ = 0;
    bool enabled_ = false;
    std::int64_t dueAt_ = 0;
    std::uint64_t waitOrder_ = 0;
};

}  // namespace fluvane::platform::sim

#include "platform/sim/sim_clock.h"

#include <algorithm>
#include <utility>

namespace fluvane::platform::sim {

void SimClock::advance(std::int64_t milliseconds, const std::function<void()>& betweenTicks) {
    const std::int64_t target = now_ + std::max<std::int64_t>(milliseconds, 0);
    for (;;) {
        betweenTicks();
        SimTimer* next = nextDue(target);
        if (!next) break;
        fire(*next);
    }
    now_ = std::max(now_, target);
    betweenTicks();
}

void SimClock::block(std::int64_t milliseconds) { now_ += std::max<std::int64_t>(milliseconds, 0); }

void SimClock::fireOverdue() {
    // Each overdue timer ticks once: firing moves its due time past the limit
    // even when a tick blocks again (those ticks wait for the next call).
    const std::int64_t limit = now_;
    while (SimTimer* next = nextDue(limit)) fire(*next);
}

SimTimer* SimClock::nextDue(std::int64_t limit) const {
    SimTimer* best = nullptr;
    for (SimTimer* timer : timers_) {
        if (!timer->armed() || timer->dueAt_ > limit) continue;
        if (!best || std::pair(timer->dueAt_, timer->waitOrder_) < std::pair(best->dueAt_, best->waitOrder_))
            best = timer;
    }
    return best;
}

void SimClock::fire(SimTimer& timer) {
    now_ = std::max(now_, timer.dueAt_);
    // A tick late because of a blocking call resumes the period from now.
    timer.dueAt_ = now_ + timer.interval_;
    // The handler may replace itself or destroy the timer while it runs.
    auto tick = timer.tick;
    if (tick) tick();
}

SimTimer::SimTimer(SimClock& clock, std::shared_ptr<const bool> windowClosed)
    : clock_(clock), windowClosed_(std::move(windowClosed)) {
    clock_.timers_.push_back(this);
}

SimTimer::~SimTimer() { std::erase(clock_.timers_, this); }

void SimTimer::setInterval(int milliseconds) {
    milliseconds = std::max(milliseconds, 0);
    if (milliseconds == interval_) return;
    interval_ = milliseconds;
    if (enabled_) restartWait();
}

void SimTimer::setEnabled(bool enabled) {
    if (windowClosed()) enabled = false;
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (enabled_) restartWait();
}

void SimTimer::restartWait() {
    dueAt_ = clock_.now_ + interval_;
    waitOrder_ = clock_.nextWait_++;
}

}  // namespace fluvane::platform::sim

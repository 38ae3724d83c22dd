#pragma once

#include <atomic>
#include <functional>
#include <thread>

namespace portal {

// Turns SIGINT and SIGTERM into a call of `on_stop` on a dedicated thread,
// where stopping the HTTP server is safe (it is not async-signal-safe).
// Construct it before any other thread starts, so all threads inherit the
// blocked signal mask.
class StopOnSignal {
public:
    explicit StopOnSignal(std::function<void()> on_stop);
    ~StopOnSignal();

    StopOnSignal(const StopOnSignal&) = delete;
    StopOnSignal& operator=(const StopOnSignal&) = delete;

    // Starts waiting for the signals.
    void start();

    // Ends the wait without a signal (the server stopped on its own).
    void release();

    const std::atomic<bool>& stopping() const { return stopping_; }

private:
    std::function<void()> on_stop_;
    std::atomic<bool> stopping_{false};
    std::thread waiter_;
};

}  // namespace portal

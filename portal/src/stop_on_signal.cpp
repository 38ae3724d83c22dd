#include "stop_on_signal.hpp"

#include <pthread.h>
#include <signal.h>

#include <utility>

namespace portal {

namespace {

sigset_t stop_signals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}

}  // namespace

StopOnSignal::StopOnSignal(std::function<void()> on_stop) : on_stop_(std::move(on_stop)) {
    const sigset_t set = stop_signals();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

StopOnSignal::~StopOnSignal() { release(); }

void StopOnSignal::start() {
    waiter_ = std::thread([this] {
        const sigset_t set = stop_signals();
        int signal_number = 0;
        sigwait(&set, &signal_number);
        stopping_ = true;
        on_stop_();
    });
}

void StopOnSignal::release() {
    if (!waiter_.joinable()) return;
    if (!stopping_) pthread_kill(waiter_.native_handle(), SIGTERM);
    waiter_.join();
}

}  // namespace portal

#include "platform/posix/termination_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace fluvane::platform::posix {
namespace {

int signalPipe[2] = {-1, -1};

// A signal handler may do next to nothing: it writes a byte, and the event
// loop, watching the other end, does the rest.
void onSignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

}  // namespace

std::optional<int> terminationSignalPipe() {
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return std::nullopt;
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signal, &action, nullptr);
    return signalPipe[0];
}

void drainTerminationSignals(int pipe) {
    char bytes[16];
    while (::read(pipe, bytes, sizeof bytes) > 0) {
    }
}

}  // namespace fluvane::platform::posix

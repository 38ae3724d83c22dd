// Issues terminations by image name, one name per argument, in order, then
// waits a moment and exits 0: a name that matches this very process must end
// its other copies but never the caller. Without arguments it only waits, as
// another copy of the same program.
#include "platform/posix/posix_processes.h"

#include <chrono>
#include <thread>

int main(int argc, char** argv) {
    fluvane::platform::posix::PosixProcesses processes;
    for (int i = 1; i < argc; ++i) processes.terminateByImageName(argv[i]);
    std::this_thread::sleep_for(argc > 1 ? std::chrono::milliseconds(500) : std::chrono::seconds(30));
    return 0;
}

// Issues terminations by image name, one name per argument, in order, then
// waits: a name that ends this very process must still let the later names
// go out. Exits 0 only if nothing ended it.
#include "platform/posix/posix_processes.h"

#include <chrono>
#include <thread>

int main(int argc, char** argv)
{
    fluvane::platform::posix::PosixProcesses processes;
    for (int i = 1; i < argc; ++i) processes.terminateByImageName(argv[i]);
    std::this_thread::sleep_for(std::chrono::seconds(10));
    return 0;
}

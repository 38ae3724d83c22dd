#include "platform/posix/spawn.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <csignal>
#include <string_view>
#include <thread>

extern char** environ;

namespace fluvane::platform::posix {
namespace {

// This process's environment less what must not reach another program: the
// browser engine runs here without its sandbox when it must (as root), and a
// child that reads the switch would drop its own sandbox too.
std::vector<char*> childEnvironment() {
    constexpr std::string_view withheld = "QTWEBENGINE_DISABLE_SANDBOX=";
    std::vector<char*> environment;
    for (char** entry = environ; entry && *entry; ++entry) {
        if (!std::string_view(*entry).starts_with(withheld)) environment.push_back(*entry);
    }
    environment.push_back(nullptr);
    return environment;
}

}  // namespace

bool spawnDetached(const std::string& program, const std::vector<std::string>& arguments, bool searchPath) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    // The child starts with default signal handling and nothing blocked,
    // whatever this process has set up for itself.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t signals;
    sigemptyset(&signals);
    posix_spawnattr_setsigmask(&attributes, &signals);
    sigfillset(&signals);
    posix_spawnattr_setsigdefault(&attributes, &signals);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    std::vector<char*> environment = childEnvironment();
    pid_t pid = 0;
    const int error = searchPath
                          ? posix_spawnp(&pid, program.c_str(), nullptr, &attributes, argv.data(), environment.data())
                          : posix_spawn(&pid, program.c_str(), nullptr, &attributes, argv.data(), environment.data());
    posix_spawnattr_destroy(&attributes);
    if (error != 0) return false;
    std::thread([pid] {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
    return true;
}

}  // namespace fluvane::platform::posix

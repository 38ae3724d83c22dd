#include "platform/posix/posix_application.h"

#include "platform/posix/argument_transport.h"

#include <unistd.h>

#include <cstdio>
#include <system_error>

namespace fluvane::platform::posix {

PosixApplication::PosixApplication(int argc, const char* const* argv, std::function<void(int)> endLoop)
    : endLoop_(std::move(endLoop)) {
    std::error_code error;
    executable_ = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error && argc > 0) executable_ = std::filesystem::absolute(argv[0], error);
    for (int i = 1; i < argc; ++i) arguments_.push_back(bytesFromTransport(argv[i]));
    folders_ = chooseUserFolders(directory());
    prepareDataFolder(directory(), folders_.data);
}

std::filesystem::path PosixApplication::directory() const { return executable_.parent_path(); }

std::filesystem::path PosixApplication::dataDirectory() const { return folders_.data; }

std::filesystem::path PosixApplication::executable() const { return launcherOf(executable_); }

std::vector<std::string> PosixApplication::arguments() const { return arguments_; }

void PosixApplication::endProcess(int exitCode) {
    if (endLoop_) {
        endLoop_(exitCode);
        return;
    }
    std::fflush(nullptr);
    _exit(exitCode);
}

}  // namespace fluvane::platform::posix

#pragma once

#include "platform/services.h"

namespace fluvane::platform::posix {

class PosixApplication final : public Application {
public:
    PosixApplication(int argc, const char* const* argv);

    std::filesystem::path directory() const override;
    // /proc/self/exe, so a start through a symlink or a relative path still
    // finds the files installed beside the program.
    std::filesystem::path executable() const override;
    // Bytes a desktop entry had to escape come back as they were.
    std::vector<std::string> arguments() const override;
    // Flushes stdio, then _exit: no destructors or atexit handlers run, as
    // when Windows ends a process.
    [[noreturn]] void endProcess(int exitCode) override;

private:
    std::filesystem::path executable_;
    std::vector<std::string> arguments_;
};

}  // namespace fluvane::platform::posix

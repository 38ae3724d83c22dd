#pragma once

#include "platform/posix/user_folders.h"
#include "platform/services.h"

#include <functional>

namespace fluvane::platform::posix {

class PosixApplication final : public Application {
public:
    // `endLoop` ends the program's event loop with an exit code; the program
    // then returns from main, as an orderly end goes.
    PosixApplication(int argc, const char* const* argv, std::function<void(int exitCode)> endLoop = {});

    // The folder of /proc/self/exe, so a start through a symlink or a
    // relative path still finds the files installed beside the program.
    std::filesystem::path directory() const override;
    // Chosen at construction (chooseUserFolders), made and given its settings
    // on the first start (prepareDataFolder).
    std::filesystem::path dataDirectory() const override;
    // The installed launcher when there is one (launcherOf), else /proc/self/exe.
    std::filesystem::path executable() const override;
    // Where the browser keeps its profile and its cache.
    const UserFolders& userFolders() const { return folders_; }
    // Bytes a desktop entry had to escape come back as they were.
    std::vector<std::string> arguments() const override;
    // Through endLoop; without one, flushes stdio and ends at once.
    void endProcess(int exitCode) override;

private:
    std::function<void(int)> endLoop_;
    std::filesystem::path executable_;
    UserFolders folders_;
    std::vector<std::string> arguments_;
};

}  // namespace fluvane::platform::posix

#pragma once

#include "platform/services.h"

namespace fluvane::platform::posix {

// Processes of this machine seen through /proc. An image name is the file name
// of a process's executable, matched by platform::shared::imageNameMatches.
class PosixProcesses final : public Processes {
public:
    // instanceName names the lock of the single-instance test.
    explicit PosixProcesses(std::string instanceName = "fluvane");
    ~PosixProcesses() override;

    // The window style has no meaning for a program started here.
    bool start(const std::filesystem::path& program, const std::vector<std::string>& arguments,
               WindowStyle style) override;
    std::vector<ProcessInfo> list() override;
    // SIGKILL, as taskkill /f, to every matching process of this user but
    // this one.
    void terminateByImageName(const std::string& imageName) override;
    // The first call takes a per-user lock, in $XDG_RUNTIME_DIR or else in a
    // private folder of the user's cache, held for the rest of the process's
    // life; true when another process holds it.
    bool anotherInstanceRunning() override;

private:
    std::string instanceName_;
    int lockFd_ = -1;
};

}  // namespace fluvane::platform::posix

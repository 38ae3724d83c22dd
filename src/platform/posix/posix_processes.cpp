#include "platform/posix/posix_processes.h"
#include "platform/shared/text.h"

#include "platform/posix/spawn.h"
#include "platform/posix/xdg_dirs.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <system_error>
#include <thread>

namespace fluvane::platform::posix {
namespace {

namespace fs = std::filesystem;

std::string firstLine(const fs::path& file, char separator) {
    std::ifstream in(file, std::ios::binary);
    std::string line;
    std::getline(in, line, separator);
    return line;
}

// The executable's file name; for processes whose exe link cannot be read
// (other users, kernel threads) the name they were started under.
std::string imageNameOf(const fs::path& processDir) {
    std::error_code error;
    std::string exe = fs::read_symlink(processDir / "exe", error).filename().string();
    constexpr std::string_view deleted = " (deleted)";
    if (!error && exe.ends_with(deleted)) exe.resize(exe.size() - deleted.size());
    if (!error && !exe.empty()) return exe;
    const std::string argv0 = firstLine(processDir / "cmdline", '\0');
    if (!argv0.empty()) return fs::path(argv0).filename().string();
    return firstLine(processDir / "comm", '\n');
}

std::int64_t pidOf(const fs::directory_entry& entry) {
    const std::string name = entry.path().filename().string();
    if (name.empty() || !std::all_of(name.begin(), name.end(), [](unsigned char c) { return std::isdigit(c); })) {
        return 0;
    }
    return std::strtoll(name.c_str(), nullptr, 10);
}

}  // namespace

PosixProcesses::PosixProcesses(std::string instanceName) : instanceName_(std::move(instanceName)) {}

PosixProcesses::~PosixProcesses() {
    if (lockFd_ >= 0) ::close(lockFd_);
}

bool PosixProcesses::start(const fs::path& program, const std::vector<std::string>& arguments, WindowStyle) {
    return spawnDetached(program.string(), arguments, false);
}

std::vector<ProcessInfo> PosixProcesses::list() {
    std::vector<ProcessInfo> processes;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator("/proc", error)) {
        if (const std::int64_t pid = pidOf(entry)) processes.push_back({pid, imageNameOf(entry.path())});
    }
    return processes;
}

void PosixProcesses::terminateByImageName(const std::string& imageName) {
    const pid_t self = getpid();
    for (const ProcessInfo& process : list()) {
        struct stat owner {};
        const std::string dir = "/proc/" + std::to_string(process.pid);
        if (process.pid == self || !shared::imageNameMatches(imageName, process.imageName) ||
            ::stat(dir.c_str(), &owner) != 0 || owner.st_uid != geteuid()) {
            continue;
        }
        ::kill(static_cast<pid_t>(process.pid), SIGKILL);
    }
}

bool PosixProcesses::anotherInstanceRunning() {
    if (lockFd_ >= 0) return false;
    const fs::path dir = xdg::runtimeFolder();
    if (dir.empty()) return false;
    const fs::path lock = dir / (instanceName_ + ".lock");
    const int fd = ::open(lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(fd);
        return held;
    }
    lockFd_ = fd;
    return false;
}

}  // namespace fluvane::platform::posix

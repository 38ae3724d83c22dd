#include "platform/posix/pending_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <string>
#include <system_error>

namespace fluvane::platform::posix {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kSuffix = ".tmp";
// Room for ".<pid>.<counter>.tmp" after the target's name within NAME_MAX,
// so a target of any valid name gets a temporary.
constexpr std::size_t kNameRoom = NAME_MAX - 1 - (1 + 10 + 1 + 10 + kSuffix.size());

fs::path folderOf(const fs::path& target) { return target.has_parent_path() ? target.parent_path() : fs::path("."); }

// ".<target name>." with the name cut to fit; every temporary of the target starts so.
std::string tempPrefix(const fs::path& target) { return "." + target.filename().string().substr(0, kNameRoom) + "."; }

fs::path tempBeside(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    return folderOf(target) /
           (tempPrefix(target) + std::to_string(getpid()) + "." + std::to_string(counter++) + std::string(kSuffix));
}

bool allDigits(std::string_view text) {
    return !text.empty() && text.size() <= 10 &&
           std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

// The writer's pid when name is a temporary made for target, else 0.
pid_t writerOf(std::string_view name, std::string_view prefix) {
    if (!name.starts_with(prefix) || !name.ends_with(kSuffix)) return 0;
    name = name.substr(prefix.size(), name.size() - prefix.size() - kSuffix.size());
    const std::size_t dot = name.find('.');
    if (dot == std::string_view::npos || !allDigits(name.substr(0, dot)) || !allDigits(name.substr(dot + 1))) {
        return 0;
    }
    const long long pid = std::stoll(std::string(name.substr(0, dot)));
    return pid > 0 && pid <= INT_MAX ? static_cast<pid_t>(pid) : 0;
}

void removeStaleTemporaries(const fs::path& target) {
    const std::string prefix = tempPrefix(target);
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folderOf(target), error)) {
        const pid_t writer = writerOf(entry.path().filename().string(), prefix);
        if (writer == 0 || writer == getpid()) continue;
        if (::kill(writer, 0) != 0 && errno == ESRCH) ::unlink(entry.path().c_str());
    }
}

void syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

PendingFile::PendingFile(fs::path target, std::optional<mode_t> mode)
    : target_(std::move(target)), temp_(tempBeside(target_)) {
    removeStaleTemporaries(target_);
    fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ < 0) return;
    struct stat existing {};
    if (mode) {
        failed_ = ::fchmod(fd_, *mode) != 0;
    } else if (::stat(target_.c_str(), &existing) == 0) {
        failed_ = ::fchmod(fd_, existing.st_mode & 07777) != 0;
    }
}

PendingFile::~PendingFile() {
    if (fd_ < 0) return;
    ::close(fd_);
    ::unlink(temp_.c_str());
}

bool PendingFile::write(const char* data, std::size_t size) {
    while (ok() && !failed_ && size > 0) {
        const ssize_t written = ::write(fd_, data, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            failed_ = true;
            break;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return ok() && !failed_;
}

bool PendingFile::commit() {
    if (!ok() || failed_ || ::fsync(fd_) != 0) return false;
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 || std::rename(temp_.c_str(), target_.c_str()) != 0) {
        ::unlink(temp_.c_str());
        return false;
    }
    syncFolder(folderOf(target_));
    return true;
}

// A hard link is made only where no name is: the check and the creation are
// one step. File systems without links get the check just before the rename.
bool PendingFile::commitAsNew() {
    if (!ok() || failed_ || ::fsync(fd_) != 0) return false;
    const int fd = fd_;
    fd_ = -1;
    bool made = ::close(fd) == 0 && ::link(temp_.c_str(), target_.c_str()) == 0;
    if (!made && errno != EEXIST) {
        struct stat existing {};
        made = ::lstat(target_.c_str(), &existing) != 0 && errno == ENOENT &&
               std::rename(temp_.c_str(), target_.c_str()) == 0;
    }
    ::unlink(temp_.c_str());
    if (made) syncFolder(folderOf(target_));
    return made;
}

bool replaceFile(const fs::path& target, std::string_view content, std::optional<mode_t> mode) {
    PendingFile file(target, mode);
    return file.write(content.data(), content.size()) && file.commit();
}

bool createNewFile(const fs::path& target, std::string_view content, std::optional<mode_t> mode) {
    PendingFile file(target, mode);
    return file.write(content.data(), content.size()) && file.commitAsNew();
}

}  // namespace fluvane::platform::posix

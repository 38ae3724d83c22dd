#include "platform/posix/pending_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <string>

namespace fluvane::platform::posix {
namespace {

std::filesystem::path tempBeside(const std::filesystem::path& target)
{
    static std::atomic<unsigned> counter{0};
    std::string name = "." + target.filename().string() + "." + std::to_string(getpid()) + "." +
                       std::to_string(counter++) + ".tmp";
    return target.parent_path() / name;
}

}  // namespace

PendingFile::PendingFile(std::filesystem::path target, std::optional<mode_t> mode)
    : target_(std::move(target)), temp_(tempBeside(target_))
{
    fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ < 0) return;
    struct stat existing {};
    if (mode) {
        failed_ = ::fchmod(fd_, *mode) != 0;
    } else if (::stat(target_.c_str(), &existing) == 0) {
        failed_ = ::fchmod(fd_, existing.st_mode & 07777) != 0;
    }
}

PendingFile::~PendingFile()
{
    if (fd_ < 0) return;
    ::close(fd_);
    ::unlink(temp_.c_str());
}

bool PendingFile::write(const char* data, std::size_t size)
{
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

bool PendingFile::commit()
{
    if (!ok() || failed_ || ::fsync(fd_) != 0) return false;
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 || std::rename(temp_.c_str(), target_.c_str()) != 0) {
        ::unlink(temp_.c_str());
        return false;
    }
    return true;
}

bool replaceFile(const std::filesystem::path& target, std::string_view content, std::optional<mode_t> mode)
{
    PendingFile file(target, mode);
    return file.write(content.data(), content.size()) && file.commit();
}

}  // namespace fluvane::platform::posix

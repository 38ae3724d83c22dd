#include "platform/posix/posix_profile.h"

#include "platform/posix/ini_text.h"
#include "platform/posix/pending_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <optional>

namespace fluvane::platform::posix {
namespace {

enum class Load { Ok, Missing, Failed };

Load loadFile(const std::filesystem::path& file, std::string& text)
{
    // Non-blocking so that a FIFO in place of the file cannot stall the open.
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return errno == ENOENT ? Load::Missing : Load::Failed;
    struct stat info {};
    Load result = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) ? Load::Ok : Load::Failed;
    char buffer[65536];
    while (result == Load::Ok) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) result = Load::Failed;
        if (got <= 0) break;
        text.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return result;
}

}  // namespace

std::string PosixProfile::read(std::string_view section, std::string_view key, std::string_view fallback,
                               std::size_t bufferSize, const std::filesystem::path& file)
{
    std::string text;
    std::optional<std::string_view> value;
    if (loadFile(file, text) == Load::Ok) {
        value = ini::findValue(text, codePage_.toGbk(section), codePage_.toGbk(key));
    }
    if (value) return codePage_.fromGbk(ini::copyOut(*value, bufferSize));
    // Windows drops the fallback's trailing spaces before handing it out.
    std::string gbkFallback = codePage_.toGbk(fallback);
    gbkFallback.erase(gbkFallback.find_last_not_of(' ') + 1);
    return codePage_.fromGbk(ini::copyOut(gbkFallback, bufferSize));
}

bool PosixProfile::write(std::string_view section, std::string_view key, std::string_view value,
                         const std::filesystem::path& file)
{
    std::string text;
    const Load load = loadFile(file, text);
    if (load == Load::Failed) return false;
    // A rename would replace a read-only file; Windows refuses to write one.
    if (load == Load::Ok && ::access(file.c_str(), W_OK) != 0) return false;
    const auto edited = ini::withValue(text, codePage_.toGbk(section), codePage_.toGbk(key), codePage_.toGbk(value));
    if (!edited) return false;
    if (load == Load::Ok && *edited == text) return true;
    return replaceFile(file, *edited);
}

}  // namespace fluvane::platform::posix

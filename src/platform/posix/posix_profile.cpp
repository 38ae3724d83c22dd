#include "platform/posix/posix_profile.h"

#include "platform/posix/ini_text.h"
#include "platform/posix/pending_file.h"
#include "platform/posix/profile_encoding.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <optional>

namespace fluvane::platform::posix {
namespace {

enum class Load { Ok, Missing, Failed };

Load loadFile(const std::filesystem::path& file, std::string& text) {
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
                               std::size_t bufferSize, const std::filesystem::path& file) {
    std::string bytes;
    if (loadFile(file, bytes) == Load::Ok) {
        const DecodedFile decoded = decodeProfileFile(bytes);
        std::optional<std::string> value;
        if (decoded.encoding == FileEncoding::Ansi) {
            const auto found = ini::findValue(decoded.text, codePage_.toGbk(section), codePage_.toGbk(key));
            if (found) value = std::string(*found);
        } else if (const auto found =
                       ini::findValue(decoded.text, asAnsiWould(section), asAnsiWould(key), ini::Encoding::Utf8)) {
            value = codePage_.toGbk(*found);
        }
        if (value) return codePage_.fromGbk(ini::copyOut(*value, bufferSize));
    }
    // Windows drops the fallback's trailing spaces before handing it out.
    std::string gbkFallback = codePage_.toGbk(fallback);
    gbkFallback.erase(gbkFallback.find_last_not_of(' ') + 1);
    return codePage_.fromGbk(ini::copyOut(gbkFallback, bufferSize));
}

bool PosixProfile::write(std::string_view section, std::string_view key, std::string_view value,
                         const std::filesystem::path& file) {
    std::string bytes;
    const Load load = loadFile(file, bytes);
    if (load == Load::Failed) return false;
    // A rename would replace a read-only file; Windows refuses to write one.
    if (load == Load::Ok && ::access(file.c_str(), W_OK) != 0) return false;
    const DecodedFile decoded = decodeProfileFile(bytes);
    if (!decoded.exact) return false;
    const auto edited =
        decoded.encoding == FileEncoding::Ansi
            ? ini::withValue(decoded.text, codePage_.toGbk(section), codePage_.toGbk(key), codePage_.toGbk(value))
            : ini::withValue(decoded.text, asAnsiWould(section), asAnsiWould(key), asAnsiWould(value),
                             ini::Encoding::Utf8);
    if (!edited) return false;
    if (load == Load::Ok && *edited == decoded.text) return true;
    return replaceFile(file, encodeProfileFile(decoded.encoding, *edited));
}

std::string PosixProfile::asAnsiWould(std::string_view text) const { return codePage_.fromGbk(codePage_.toGbk(text)); }

}  // namespace fluvane::platform::posix

#include "platform/posix/posix_files.h"

#include "platform/posix/pending_file.h"

#include <unistd.h>

namespace fluvane::platform::posix {

bool PosixFiles::replace(const std::filesystem::path& file, const Writer& write) {
    // A rename would replace a read-only file, which the platform's own
    // writers refuse to overwrite.
    if (::access(file.c_str(), F_OK) == 0 && ::access(file.c_str(), W_OK) != 0) return false;
    PendingFile pending(file);
    return pending.ok() &&
           write([&pending](std::string_view bytes) { return pending.write(bytes.data(), bytes.size()); }) &&
           pending.commit();
}

}  // namespace fluvane::platform::posix

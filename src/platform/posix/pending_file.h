#pragma once

#include <sys/types.h>

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string_view>

namespace fluvane::platform::posix {

// A file written beside its target and moved over it only when complete, so a
// failure at any point leaves the target exactly as it was. A replaced file
// keeps its permissions; a new one gets `mode` (or 0666 less the umask).
//
// The temporary is a hidden file named after the target and this process;
// temporaries of the same target left by a process that died while writing
// (a crash mid-download) are removed when the target is written again.
class PendingFile {
public:
    explicit PendingFile(std::filesystem::path target, std::optional<mode_t> mode = std::nullopt);
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    bool ok() const { return fd_ >= 0; }
    bool write(const char* data, std::size_t size);
    // Flushes to disk, renames over the target and flushes the folder, so the
    // new file survives a power cut; false leaves no trace.
    bool commit();
    // As commit, but only while no file of the target's name exists: one that
    // appeared meanwhile stays, and false leaves no trace.
    bool commitAsNew();

private:
    std::filesystem::path target_;
    std::filesystem::path temp_;
    int fd_ = -1;
    bool failed_ = false;
};

bool replaceFile(const std::filesystem::path& target, std::string_view content,
                 std::optional<mode_t> mode = std::nullopt);
// False when a file of that name exists already: it is never replaced.
bool createNewFile(const std::filesystem::path& target, std::string_view content,
                   std::optional<mode_t> mode = std::nullopt);

}  // namespace fluvane::platform::posix

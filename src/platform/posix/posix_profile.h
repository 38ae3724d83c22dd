#pragma once

#include "platform/services.h"

namespace fluvane::platform::posix {

// The Windows profile functions over GBK files (rules in ini_text.h), or
// UTF-8 and UTF-16 files with a byte-order mark, which stay in their encoding
// (profile_encoding.h). Every call opens the file afresh; a write replaces the
// file whole through a temporary beside it, so a failed write leaves it
// untouched.
class PosixProfile final : public Profile {
public:
    explicit PosixProfile(const CodePage& codePage) : codePage_(codePage) {}

    std::string read(std::string_view section, std::string_view key, std::string_view fallback, std::size_t bufferSize,
                     const std::filesystem::path& file) override;
    bool write(std::string_view section, std::string_view key, std::string_view value,
               const std::filesystem::path& file) override;

private:
    // The text as the ANSI functions hand it to a Unicode file: through code
    // page 936, so what GBK cannot hold is '?' there as in an ANSI file.
    std::string asAnsiWould(std::string_view text) const;

    const CodePage& codePage_;
};

}  // namespace fluvane::platform::posix

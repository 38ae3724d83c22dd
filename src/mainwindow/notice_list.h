#pragma once

#include "platform/services.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fluvane::mainwindow {

// The non-empty lines of link.txt (code page 936 on disk) as UTF-8. Only the
// first few megabytes are read, so a runaway file cannot stall the rotation.
std::vector<std::string> ReadNoticeLines(const std::filesystem::path& file,
                                         const platform::CodePage& codePage);

struct Notice {
    std::string text;
    std::optional<std::string> link;  // nothing when the line has no "###"
};

// notice text + "###" + link URL; further "###" parts are ignored.
Notice SplitNotice(std::string_view line);

}  // namespace fluvane::mainwindow

#pragma once

#include "platform/ui.h"

#include <filesystem>
#include <memory>
#include <stdexcept>

namespace fluvane::winsvc {

// A file an operation needs is not there. what() names it; path() gives it
// to a caller that words its own message.
class FileNotFound : public std::runtime_error {
public:
    explicit FileNotFound(std::filesystem::path path);
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// 高清图标: the window icon from an icon file of the skin.
//
// `HiResIcon`: the file's icon at the platform's standard large size, or
// nothing (a null pointer) when the file holds no icon; the window then
// carries no icon. Throws FileNotFound, before reading anything, when `path`
// is not an existing file.
std::shared_ptr<platform::Picture> HiResIcon(platform::Ui& ui, const std::filesystem::path& path);

}  // namespace fluvane::winsvc

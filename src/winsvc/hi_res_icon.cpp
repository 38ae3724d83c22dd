#include "winsvc/hi_res_icon.h"

#include <system_error>

namespace fluvane::winsvc {

FileNotFound::FileNotFound(std::filesystem::path path)
    : std::runtime_error("File not found: " + path.string()), path_(std::move(path)) {}

std::shared_ptr<platform::Picture> HiResIcon(platform::Ui& ui, const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) throw FileNotFound(path);
    return ui.loadIcon(path);
}

}  // namespace fluvane::winsvc

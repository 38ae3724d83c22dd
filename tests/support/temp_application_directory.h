#pragma once

#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace fluvane::testsupport {

// A temporary application directory with a zelskin folder; HOME and the XDG
// folders, the desktop among them (not created), point inside it so nothing
// reaches the real home folder.
class TempApplicationDirectory {
public:
    TempApplicationDirectory() {
        std::string pattern = (std::filesystem::temp_directory_path() / "fluvstartup.XXXXXX").string();
        root_ = ::mkdtemp(pattern.data());
        std::filesystem::create_directories(root_ / "app" / "zelskin");
        std::filesystem::create_directories(root_ / "home");
        ::setenv("HOME", (root_ / "home").c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (root_ / "home" / ".config").c_str(), 1);
        ::setenv("XDG_DATA_HOME", (root_ / "home" / ".local").c_str(), 1);
        ::setenv("XDG_RUNTIME_DIR", (root_ / "home").c_str(), 1);
        ::setenv("XDG_DESKTOP_DIR", desktop().c_str(), 1);
    }
    ~TempApplicationDirectory() {
        std::error_code error;
        std::filesystem::permissions(root_ / "app", std::filesystem::perms::owner_all, error);
        std::filesystem::remove_all(root_, error);
    }
    TempApplicationDirectory(const TempApplicationDirectory&) = delete;
    TempApplicationDirectory& operator=(const TempApplicationDirectory&) = delete;

    std::filesystem::path app() const { return root_ / "app"; }
    std::filesystem::path root() const { return root_; }
    std::filesystem::path desktop() const { return root_ / "home" / "Desktop"; }

private:
    std::filesystem::path root_;
};

inline std::string readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

}  // namespace fluvane::testsupport

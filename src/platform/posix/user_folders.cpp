#include "platform/posix/user_folders.h"

#include "platform/posix/xdg_dirs.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <system_error>

namespace fluvane::platform::posix {

namespace fs = std::filesystem;

namespace {

// By the effective user, as the writes themselves will be made.
bool writable(const fs::path& folder) { return ::faccessat(AT_FDCWD, folder.c_str(), W_OK, AT_EACCESS) == 0; }

}  // namespace

UserFolders chooseUserFolders(const fs::path& installation) {
    std::error_code error;
    // Root may write anywhere: the package marks its installation as one.
    const bool installed = fs::exists(installation / kInstallationMark, error) || !writable(installation);
    if (!installed) return {installation, installation / "web" / "cache"};
    return {xdg::dataHome() / "fluvane", xdg::cacheHome() / "fluvane" / "web"};
}

bool makePrivateFolder(const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder.parent_path(), error);
    if (::mkdir(folder.c_str(), 0700) == 0) return true;
    return fs::is_directory(folder, error);
}

void prepareDataFolder(const fs::path& installation, const fs::path& data) {
    if (data == installation || !makePrivateFolder(data)) return;
    const fs::path settings = fs::path("zelskin") / "Config.ini";
    std::error_code error;
    if (fs::exists(data / settings, error) || !fs::is_regular_file(installation / settings, error)) return;
    fs::create_directories(data / "zelskin", error);
    // The installed file is read-only to users; their copy is theirs to change.
    if (fs::copy_file(installation / settings, data / settings, error)) {
        fs::permissions(data / settings, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, error);
    }
}

fs::path launcherOf(const fs::path& executable) {
    const fs::path launcher = executable.parent_path().parent_path().parent_path() / "bin" / executable.filename();
    std::error_code error;
    const fs::path resolved = fs::canonical(launcher, error);
    return !error && resolved == fs::canonical(executable, error) && !error ? launcher : executable;
}

}  // namespace fluvane::platform::posix

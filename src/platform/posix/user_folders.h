#pragma once

#include <filesystem>

// Where the client keeps what it writes: beside the executable when the user
// may write there (a build tree, an unpacked copy: the portable mode), else
// in the user's own folders, so that an installed copy writes nothing beside
// its executable and each user of it keeps their own.
namespace fluvane::platform::posix {

struct UserFolders {
    // Settings, server configuration, notice list, playlist and their
    // download temporaries, in the installation's relative layout; the
    // browser's persistent storage under web/.
    std::filesystem::path data;
    // The browser's disk cache.
    std::filesystem::path cache;
};

// A file of this name beside the executable makes its folder an installation
// even to a user who may write to it (root).
inline constexpr char kInstallationMark[] = "installation";

// `installation`: the executable's folder. Portable (writable and without
// the mark): both lie in it (the cache as web/cache); installed:
// $XDG_DATA_HOME/fluvane and $XDG_CACHE_HOME/fluvane/web, each variable taken
// only when absolute.
UserFolders chooseUserFolders(const std::filesystem::path& installation);

// Makes `data` (0700) and, on the first start, its zelskin/Config.ini from
// the installation's default. Nothing happens in the portable mode.
void prepareDataFolder(const std::filesystem::path& installation, const std::filesystem::path& data);

// `folder` and the missing folders above it, the last one private to the
// user (0700); false when it is not a folder afterwards.
bool makePrivateFolder(const std::filesystem::path& folder);

// The name a desktop entry should start the program by: a launcher
// <prefix>/bin/<name> that resolves to `executable` installed as
// <prefix>/lib/<package>/<name>, else `executable` itself.
std::filesystem::path launcherOf(const std::filesystem::path& executable);

}  // namespace fluvane::platform::posix

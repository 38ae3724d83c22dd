#include "temp_dir.h"

#include "platform/posix/user_folders.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>

namespace fluvane::test {
namespace {

namespace fs = std::filesystem;
using platform::posix::UserFolders;

void setOrUnset(const char* name, const std::optional<std::string>& value) {
    if (value)
        ::setenv(name, value->c_str(), 1);
    else
        ::unsetenv(name);
}

// What a user who may not write to `installation` gets: as root, who may
// write anywhere, a child process that has given root up asks.
UserFolders chosenWithoutWriteAccess(const fs::path& installation) {
    fs::permissions(installation, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                      fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    if (geteuid() != 0) return platform::posix::chooseUserFolders(installation);
    int ends[2];
    if (::pipe(ends) != 0) return {};
    const pid_t pid = fork();
    if (pid == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) _exit(1);
        const UserFolders folders = platform::posix::chooseUserFolders(installation);
        const std::string said = folders.data.string() + '\n' + folders.cache.string();
        _exit(::write(ends[1], said.data(), said.size()) == static_cast<ssize_t>(said.size()) ? 0 : 1);
    }
    ::close(ends[1]);
    std::string said;
    char block[512];
    for (ssize_t n; (n = ::read(ends[0], block, sizeof block)) > 0;) said.append(block, static_cast<std::size_t>(n));
    ::close(ends[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    const auto line = said.find('\n');
    if (line == std::string::npos) return {};
    return {said.substr(0, line), said.substr(line + 1)};
}

TEST(UserFolders, AWritableInstallationKeepsEverythingBesideTheExecutable) {
    TempDir dir;
    const UserFolders folders = platform::posix::chooseUserFolders(dir.path());
    EXPECT_EQ(folders.data, dir.path());
    EXPECT_EQ(folders.cache, dir.path() / "web" / "cache");
}

TEST(UserFolders, AMarkedInstallationSendsEvenAUserWhoMayWriteThereToTheXdgFolders) {
    TempDir dir;
    ::setenv("XDG_DATA_HOME", "/srv/data", 1);
    ::setenv("XDG_CACHE_HOME", "/srv/cache", 1);
    writeBytes(dir / platform::posix::kInstallationMark, "");
    const UserFolders folders = platform::posix::chooseUserFolders(dir.path());
    ::unsetenv("XDG_DATA_HOME");
    ::unsetenv("XDG_CACHE_HOME");
    EXPECT_EQ(folders.data, "/srv/data/fluvane");
    EXPECT_EQ(folders.cache, "/srv/cache/fluvane/web");
}

TEST(UserFolders, AnInstallationTheUserCannotWriteToSendsThemToTheXdgFolders) {
    struct Case {
        std::optional<std::string> dataHome, cacheHome;
        fs::path data, cache;
    };
    const Case cases[] = {
        {"/srv/data", "/srv/cache", "/srv/data/fluvane", "/srv/cache/fluvane/web"},
        {std::nullopt, std::nullopt, "/home/u/.local/share/fluvane", "/home/u/.cache/fluvane/web"},
        // Relative values are invalid under the XDG rules.
        {"rel/data", "", "/home/u/.local/share/fluvane", "/home/u/.cache/fluvane/web"},
    };
    const std::optional<std::string> home =
        ::getenv("HOME") ? std::optional<std::string>(::getenv("HOME")) : std::nullopt;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.data);
        TempDir dir;
        ::setenv("HOME", "/home/u", 1);
        setOrUnset("XDG_DATA_HOME", c.dataHome);
        setOrUnset("XDG_CACHE_HOME", c.cacheHome);
        const UserFolders folders = chosenWithoutWriteAccess(dir.path());
        EXPECT_EQ(folders.data, c.data);
        EXPECT_EQ(folders.cache, c.cache);
    }
    setOrUnset("HOME", home);
    ::unsetenv("XDG_DATA_HOME");
    ::unsetenv("XDG_CACHE_HOME");
}

TEST(UserFolders, TheFirstStartGivesTheUserAPrivateFolderWithTheDefaultSettingsAndLaterOnesKeepTheirs) {
    TempDir dir;
    const fs::path installation = dir / "lib";
    fs::create_directories(installation / "zelskin");
    writeBytes(installation / "zelskin" / "Config.ini", "[Version]\r\nVersion=1.0\r\n");
    fs::permissions(installation / "zelskin" / "Config.ini", fs::perms::owner_read | fs::perms::others_read);
    const fs::path data = dir / "share" / "fluvane";

    platform::posix::prepareDataFolder(installation, data);
    EXPECT_EQ(readBytes(data / "zelskin" / "Config.ini"), "[Version]\r\nVersion=1.0\r\n");
    EXPECT_EQ(fs::status(data).permissions() & fs::perms::all, fs::perms::owner_all);
    EXPECT_NE(fs::status(data / "zelskin" / "Config.ini").permissions() & fs::perms::owner_write, fs::perms::none);

    writeBytes(data / "zelskin" / "Config.ini", "[Version]\r\nVersion=mine\r\n");
    platform::posix::prepareDataFolder(installation, data);
    EXPECT_EQ(readBytes(data / "zelskin" / "Config.ini"), "[Version]\r\nVersion=mine\r\n");
}

TEST(UserFolders, DesktopEntriesStartTheInstalledLauncherOnlyWhenItIsThisProgram) {
    TempDir dir;
    const fs::path executable = dir / "lib" / "fluvane" / "fluvane";
    fs::create_directories(executable.parent_path());
    fs::create_directories(dir / "bin");
    writeBytes(executable, "");
    writeBytes(dir / "other", "");
    EXPECT_EQ(platform::posix::launcherOf(executable), executable);
    fs::create_symlink(dir / "other", dir / "bin" / "fluvane");
    EXPECT_EQ(platform::posix::launcherOf(executable), executable);
    fs::remove(dir / "bin" / "fluvane");
    fs::create_symlink("../lib/fluvane/fluvane", dir / "bin" / "fluvane");
    EXPECT_EQ(platform::posix::launcherOf(executable), dir / "bin" / "fluvane");
}

}  // namespace
}  // namespace fluvane::test

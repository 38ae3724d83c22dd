#include "platform/posix/xdg_dirs.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace fluvane::platform::posix::xdg {
namespace {

// Relative values are invalid under the rules and are ignored.
std::filesystem::path absoluteOr(const char* name, const std::filesystem::path& fallback) {
    const std::string value = environment(name);
    return value.starts_with('/') ? std::filesystem::path(value) : fallback;
}

// A real folder of this user that nobody else may write to, so no one else
// can plant, hold or remove what is in it.
bool privateFolder(const std::filesystem::path& dir) {
    struct stat info {};
    return ::lstat(dir.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == geteuid() &&
           (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

}  // namespace

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::filesystem::path home() {
    if (std::string dir = environment("HOME"); dir.starts_with('/')) return dir;
    const passwd* user = getpwuid(getuid());
    return user && user->pw_dir ? user->pw_dir : "/";
}

std::filesystem::path configHome() { return absoluteOr("XDG_CONFIG_HOME", home() / ".config"); }

std::filesystem::path dataHome() { return absoluteOr("XDG_DATA_HOME", home() / ".local" / "share"); }

std::filesystem::path cacheHome() { return absoluteOr("XDG_CACHE_HOME", home() / ".cache"); }

std::filesystem::path runtimeFolder() {
    if (const std::filesystem::path runtime = environment("XDG_RUNTIME_DIR");
        runtime.is_absolute() && privateFolder(runtime)) {
        return runtime;
    }
    const std::filesystem::path cache = cacheHome();
    std::error_code error;
    std::filesystem::create_directories(cache, error);
    const std::filesystem::path dir = cache / "fluvane";
    ::mkdir(dir.c_str(), 0700);
    return privateFolder(dir) ? dir : std::filesystem::path();
}

}  // namespace fluvane::platform::posix::xdg

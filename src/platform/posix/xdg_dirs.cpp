#include "platform/posix/xdg_dirs.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace fluvane::platform::posix::xdg {
namespace {

// Relative values are invalid under the rules and are ignored.
std::filesystem::path absoluteOr(const char* name, const std::filesystem::path& fallback)
{
    const std::string value = environment(name);
    return value.starts_with('/') ? std::filesystem::path(value) : fallback;
}

}  // namespace

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::filesystem::path home()
{
    if (std::string dir = environment("HOME"); !dir.empty()) return dir;
    const passwd* user = getpwuid(getuid());
    return user && user->pw_dir ? user->pw_dir : "/";
}

std::filesystem::path configHome() { return absoluteOr("XDG_CONFIG_HOME", home() / ".config"); }

std::filesystem::path cacheHome() { return absoluteOr("XDG_CACHE_HOME", home() / ".cache"); }

}  // namespace fluvane::platform::posix::xdg

#pragma once

#include <filesystem>
#include <string>

// The user's folders as the XDG Base Directory rules name them.
namespace fluvane::platform::posix::xdg {

// The variable's value; empty when it is unset.
std::string environment(const char* name);
// $HOME, else the password database's entry.
std::filesystem::path home();
// $XDG_CONFIG_HOME when it is absolute, else ~/.config.
std::filesystem::path configHome();
// $XDG_CACHE_HOME when it is absolute, else ~/.cache.
std::filesystem::path cacheHome();

}  // namespace fluvane::platform::posix::xdg

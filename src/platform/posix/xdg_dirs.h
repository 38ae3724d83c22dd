#pragma once

#include <filesystem>
#include <string>

// The user's folders as the XDG Base Directory rules name them.
namespace fluvane::platform::posix::xdg {

// The variable's value; empty when it is unset.
std::string environment(const char* name);
// $HOME when it is absolute, else the password database's entry.
std::filesystem::path home();
// $XDG_CONFIG_HOME when it is absolute, else ~/.config.
std::filesystem::path configHome();
// $XDG_DATA_HOME when it is absolute, else ~/.local/share.
std::filesystem::path dataHome();
// $XDG_CACHE_HOME when it is absolute, else ~/.cache.
std::filesystem::path cacheHome();
// Where this user's running instances meet (the single-instance lock, the
// channel between them): $XDG_RUNTIME_DIR when it is a folder of this user
// that nobody else may write to, else a 0700 folder of the program's own in
// the cache; never a shared temporary folder. Empty when neither can be had.
std::filesystem::path runtimeFolder();

}  // namespace fluvane::platform::posix::xdg

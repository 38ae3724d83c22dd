#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace fluvane::windows {

// Only http and https addresses are navigated to or handed to the shell.
bool IsWebAddress(std::string_view url);

// The portal page `path` under `base`, or nothing when `base` is no web
// address: the base comes from the server and would otherwise steer a pane
// to local files or scripts.
std::optional<std::string> PortalPage(std::string_view base, std::string_view path);

// The file URL of a local page; bytes outside the unreserved set are escaped.
std::string LocalPageUrl(const std::filesystem::path& file);

}  // namespace fluvane::windows

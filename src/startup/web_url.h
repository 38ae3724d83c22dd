#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace fluvane::startup {

// The portal page `path` under `base`, or nothing when `base` is no web
// address: the base comes from the server and would otherwise steer a pane
// to local files or scripts.
std::optional<std::string> portalPage(std::string_view base, std::string_view path);

// The file URL of one of the client's local pages; bytes outside the
// unreserved set are escaped.
std::string localPageUrl(const std::filesystem::path& file);

}  // namespace fluvane::startup

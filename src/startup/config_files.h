#pragma once

#include "platform/platform.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace fluvane::startup {

std::filesystem::path LocalSettingsPath(const std::filesystem::path& applicationDirectory);
std::filesystem::path ServerConfigPath(const std::filesystem::path& applicationDirectory);

// The local settings file zelskin/Config.ini; every call opens the file afresh.
std::string ReadConfig(platform::Platform& platform, std::string_view section, std::string_view key,
                       std::string_view fallback);
// Creates a missing zelskin folder; a read-only file or directory simply keeps
// the old setting.
void WriteConfig(platform::Platform& platform, std::string_view section, std::string_view key,
                 std::string_view value);

// The server configuration zelhe.db: values are cut to 255 bytes on disk.
std::string ReadServerConfig(platform::Platform& platform, std::string_view section,
                             std::string_view key);

// "True"/"False" in any letter case, or a number (0 false, any other true);
// nothing for any other text.
std::optional<bool> ParseBoolean(std::string_view text);
// Absent or unreadable Booleans read as false, so every caller gets a definite value.
bool ReadConfigBoolean(platform::Platform& platform, std::string_view section, std::string_view key);

}  // namespace fluvane::startup

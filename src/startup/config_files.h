#pragma once

#include "platform/platform.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace fluvane::startup {

std::filesystem::path localSettingsPath(const std::filesystem::path& dataDirectory);
std::filesystem::path serverConfigPath(const std::filesystem::path& dataDirectory);

// The local settings file zelskin/Config.ini; every call opens the file afresh.
std::string ReadConfig(platform::Platform& platform, std::string_view section, std::string_view key,
                       std::string_view fallback);
// Creates a missing zelskin folder; a read-only file or directory simply keeps
// the old setting.
void WriteConfig(platform::Platform& platform, std::string_view section, std::string_view key, std::string_view value);

// The server configuration zelhe.db: values are cut to 255 bytes on disk.
std::string ReadServerConfig(platform::Platform& platform, std::string_view section, std::string_view key);

// Whether file holds a server configuration worth keeping: its section
// "澜映软件配置" has a "域名" that is an http(s) URL with a host.
bool isUsableServerConfig(platform::Platform& platform, const std::filesystem::path& file);

// Whether a reader of the portal base reports on std::clog that the portal
// fixed in the program stands in: the main window does at its load, the
// windows that read the base again later stay quiet.
enum class BuiltInPortalNotice { Log, Silent };

// `dizhi`, the base of every portal page: the server configuration's
// "澜映软件配置"/"域名" when it is an http(s) URL with a host, else the
// portal base fixed in the program.
std::string readPortalBase(platform::Platform& platform, BuiltInPortalNotice notice);

// "True"/"False" in any letter case, or a number (0 false, any other true);
// nothing for any other text.
std::optional<bool> parseBoolean(std::string_view text);
// Absent or unreadable Booleans read as false, so every caller gets a definite value.
bool readConfigBoolean(platform::Platform& platform, std::string_view section, std::string_view key);

}  // namespace fluvane::startup

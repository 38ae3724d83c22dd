#include "startup/config_files.h"
#include "platform/shared/text.h"
#include "platform/shared/url.h"

#include "platform/shared/numbers.h"
#include "startup/web_url.h"

#include <algorithm>
#include <cctype>
#include <iostream>
#include <system_error>

namespace fluvane::startup {

namespace {

constexpr std::size_t kLocalBufferSize = 32767;
constexpr std::size_t kServerBufferSize = 256;

std::string_view trimmed(std::string_view text) {
    const auto isSpace = [](unsigned char c) { return std::isspace(c) != 0; };
    while (!text.empty() && isSpace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && isSpace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    return text;
}

}  // namespace

std::filesystem::path localSettingsPath(const std::filesystem::path& dataDirectory) {
    return dataDirectory / "zelskin" / "Config.ini";
}

std::filesystem::path serverConfigPath(const std::filesystem::path& dataDirectory) {
    return dataDirectory / "zelhe.db";
}

std::string ReadConfig(platform::Platform& platform, std::string_view section, std::string_view key,
                       std::string_view fallback) {
    return platform.profile.read(section, key, fallback, kLocalBufferSize,
                                 localSettingsPath(platform.application.dataDirectory()));
}

void WriteConfig(platform::Platform& platform, std::string_view section, std::string_view key, std::string_view value) {
    const std::filesystem::path file = localSettingsPath(platform.application.dataDirectory());
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    platform.profile.write(section, key, value, file);
}

std::string ReadServerConfig(platform::Platform& platform, std::string_view section, std::string_view key) {
    return platform.profile.read(section, key, "", kServerBufferSize,
                                 serverConfigPath(platform.application.dataDirectory()));
}

bool isUsableServerConfig(platform::Platform& platform, const std::filesystem::path& file) {
    return platform::shared::isWebUrl(platform.profile.read("澜映软件配置", "域名", "", kServerBufferSize, file));
}

std::string readPortalBase(platform::Platform& platform, BuiltInPortalNotice notice) {
    std::string base = ReadServerConfig(platform, "澜映软件配置", "域名");
    if (platform::shared::isWebUrl(base)) return base;
    if (notice == BuiltInPortalNotice::Silent) return platform.portalUrl;
    // The value itself is not repeated: it is text from the portal.
    std::clog << "fluvane: zelhe.db holds no http(s) address in 澜映软件配置/域名; using the built-in portal "
              << platform.portalUrl << std::endl;
    return platform.portalUrl;
}

std::optional<bool> parseBoolean(std::string_view text) {
    const std::string_view word = trimmed(text);
    if (platform::shared::equalsIgnoringAsciiCase(word, "true")) return true;
    if (platform::shared::equalsIgnoringAsciiCase(word, "false")) return false;
    const auto number = platform::shared::decimalNumber(word);
    if (!number) return std::nullopt;
    return *number != 0;
}

bool readConfigBoolean(platform::Platform& platform, std::string_view section, std::string_view key) {
    return parseBoolean(ReadConfig(platform, section, key, "")).value_or(false);
}

}  // namespace fluvane::startup

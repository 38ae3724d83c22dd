#include "startup/web_url.h"

#include "platform/shared/url.h"

namespace fluvane::startup {

std::optional<std::string> portalPage(std::string_view base, std::string_view path) {
    if (!platform::shared::isWebUrl(base)) return std::nullopt;
    return std::string(base) + std::string(path);
}

std::string localPageUrl(const std::filesystem::path& file) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (const unsigned char c : file.generic_string()) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '/' ||
                           c == '-' || c == '_' || c == '.' || c == '~';
        if (plain) {
            url += static_cast<char>(c);
        } else {
            url += '%';
            url += kHex[c >> 4];
            url += kHex[c & 0xF];
        }
    }
    return url;
}

}  // namespace fluvane::startup

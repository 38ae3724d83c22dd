#include "platform/shared/url.h"

#include <algorithm>

namespace fluvane::platform::shared {

namespace {

std::string lowerAscii(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return lower;
}

}  // namespace

std::string webOrigin(std::string_view url) {
    const std::size_t separator = url.find("://");
    if (separator == std::string_view::npos) return {};
    const std::string scheme = lowerAscii(url.substr(0, separator));
    const std::string_view defaultPort = scheme == "http" ? "80" : scheme == "https" ? "443" : "";
    if (defaultPort.empty()) return {};
    std::string_view authority = url.substr(separator + 3);
    // Browsers read a backslash in an http address as a slash.
    authority = authority.substr(0, authority.find_first_of("/?#\\"));
    if (const std::size_t at = authority.rfind('@'); at != std::string_view::npos) authority.remove_prefix(at + 1);
    std::string_view host = authority, port;
    if (const std::size_t colon = authority.rfind(':');
        colon != std::string_view::npos && authority.find(']', colon) == std::string_view::npos) {
        host = authority.substr(0, colon);
        port = authority.substr(colon + 1);
    }
    if (host.empty()) return {};
    std::string origin = scheme + "://" + lowerAscii(host);
    if (!port.empty() && port != defaultPort) origin += ":" + std::string(port);
    return origin;
}

}  // namespace fluvane::platform::shared

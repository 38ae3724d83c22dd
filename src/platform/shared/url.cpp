#include "platform/shared/url.h"

#include "platform/shared/text.h"

#include <algorithm>

namespace fluvane::platform::shared {

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

bool isWebUrl(std::string_view url) {
    std::string_view rest;
    if (startsWithIgnoringAsciiCase(url, "http://")) {
        rest = url.substr(7);
    } else if (startsWithIgnoringAsciiCase(url, "https://")) {
        rest = url.substr(8);
    } else {
        return false;
    }
    // Browsers read a backslash in an http address as a slash.
    const std::string_view authority = rest.substr(0, rest.find_first_of("/?#\\"));
    if (std::any_of(authority.begin(), authority.end(), [](char c) { return static_cast<unsigned char>(c) <= 0x20 || c == 0x7F; })) return false;
    const std::size_t at = authority.rfind('@');
    const std::string_view host = at == std::string_view::npos ? authority : authority.substr(at + 1);
    if (host.starts_with('[')) {
        const std::size_t close = host.find(']');
        return close != std::string_view::npos && close > 1;
    }
    return !host.substr(0, host.find(':')).empty();
}

}  // namespace fluvane::platform::shared

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
    // No browser would read a host with blanks or controls, or a port of anything but digits.
    const auto unusable = [](char c) { return static_cast<unsigned char>(c) <= 0x20 || c == 0x7F; };
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    const bool bracketed = host.starts_with('[');
    if (host.empty() || std::any_of(host.begin(), host.end(), unusable) ||
        !std::all_of(port.begin(), port.end(), digit) ||
        (bracketed ? host.size() < 3 || !host.ends_with(']') : host.find_first_of("[]:") != std::string_view::npos)) {
        return {};
    }
    std::string origin = scheme + "://" + lowerAscii(host);
    if (port.empty()) return origin;
    // As browsers write it: without leading zeros, and none at all for the default.
    while (port.size() > 1 && port.front() == '0') port.remove_prefix(1);
    if (port.size() > 5 || std::stoi(std::string(port)) > 65535) return {};
    if (port != defaultPort) origin += ":" + std::string(port);
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
    if (std::any_of(authority.begin(), authority.end(),
                    [](char c) { return static_cast<unsigned char>(c) <= 0x20 || c == 0x7F; }))
        return false;
    const std::size_t at = authority.rfind('@');
    const std::string_view host = at == std::string_view::npos ? authority : authority.substr(at + 1);
    if (host.starts_with('[')) {
        const std::size_t close = host.find(']');
        return close != std::string_view::npos && close > 1;
    }
    return !host.substr(0, host.find(':')).empty();
}

}  // namespace fluvane::platform::shared

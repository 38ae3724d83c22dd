#include "mainwindow/command_url.h"

#include <algorithm>
#include <string>

namespace fluvane::mainwindow {

std::string LowerAscii(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c); });
    return out;
}

namespace {

// The origin of an absolute http(s) URL as browsers write it
// ("http://host:port", the default port left out); empty for anything else.
std::string originOf(std::string_view url) {
    const std::size_t separator = url.find("://");
    if (separator == std::string_view::npos) return {};
    const std::string scheme = LowerAscii(url.substr(0, separator));
    const std::string_view defaultPort = scheme == "http" ? "80" : scheme == "https" ? "443" : "";
    if (defaultPort.empty()) return {};
    std::string_view authority = url.substr(separator + 3);
    authority = authority.substr(0, authority.find_first_of("/?#\\"));
    if (const std::size_t at = authority.rfind('@'); at != std::string_view::npos) {
        authority.remove_prefix(at + 1);
    }
    std::string_view host = authority, port;
    if (const std::size_t colon = authority.rfind(':');
        colon != std::string_view::npos && authority.find(']', colon) == std::string_view::npos) {
        host = authority.substr(0, colon);
        port = authority.substr(colon + 1);
    }
    if (host.empty()) return {};
    std::string origin = scheme + "://" + LowerAscii(host);
    if (!port.empty() && port != defaultPort) origin += ":" + std::string(port);
    return origin;
}
}  // namespace

bool IsCommandUrl(std::string_view url, std::string_view schemeText) {
    return LowerAscii(url).find(LowerAscii(schemeText)) != std::string::npos;
}

bool IsTrustedCommandSource(const platform::NavigationSource& source, std::string_view portalUrl) {
    if (source.mainFrame) return true;
    const std::string portal = originOf(portalUrl);
    return !portal.empty() && source.frameOrigin == portal;
}

}  // namespace fluvane::mainwindow

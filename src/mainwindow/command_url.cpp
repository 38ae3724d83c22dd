#include "mainwindow/command_url.h"

#include "platform/shared/url.h"

#include <algorithm>
#include <string>

namespace fluvane::mainwindow {

std::string LowerAscii(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c); });
    return out;
}

bool IsCommandUrl(std::string_view url, std::string_view schemeText) {
    return LowerAscii(url).find(LowerAscii(schemeText)) != std::string::npos;
}

bool IsTrustedCommandSource(const platform::NavigationSource& source, std::string_view portalUrl) {
    if (source.origin.empty()) return true;
    const std::string portal = platform::shared::webOrigin(portalUrl);
    return !portal.empty() && source.origin == portal;
}

}  // namespace fluvane::mainwindow

#include "mainwindow/command_url.h"

#include "platform/shared/text.h"
#include "platform/shared/url.h"

#include <string>

namespace fluvane::mainwindow {

bool isCommandUrl(std::string_view url, std::string_view schemeText) {
    return platform::shared::lowerAscii(url).find(platform::shared::lowerAscii(schemeText)) != std::string::npos;
}

bool isTrustedCommandSource(const platform::NavigationSource& source, std::string_view portalUrl) {
    if (source.origin.empty()) return true;
    const std::string portal = platform::shared::webOrigin(portalUrl);
    return !portal.empty() && source.origin == portal;
}

}  // namespace fluvane::mainwindow

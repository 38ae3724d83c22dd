#pragma once

#include "mainwindow/command_schemes.h"
#include "platform/browser.h"

#include <string>
#include <string_view>

namespace fluvane::mainwindow {

// True when the lower-cased URL contains the lower-cased scheme text anywhere:
// pages put commands after a prefix of their own, so a prefix test would miss them.
bool isCommandUrl(std::string_view url, std::string_view schemeText);

// Whether a navigation may command the client: a document of the portal's
// origin (that of `portalUrl`, `dizhi`) asked, or the client itself did. The
// page on top counts for nothing: one click on an advertisement's link can
// make any site the page on top.
bool isTrustedCommandSource(const platform::NavigationSource& source, std::string_view portalUrl);

}  // namespace fluvane::mainwindow

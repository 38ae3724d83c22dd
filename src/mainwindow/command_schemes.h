#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace fluvane::mainwindow {

// The client's own URL schemes: pages command the client by navigating to
// them. Each is written here once, with "://" as pages write it; the browser
// engine learns them from kCommandSchemes, so a scheme used anywhere is one
// the engine hands over.
namespace scheme {
inline constexpr std::string_view flvplay = "flvplay://";      // plays a title; play table index 0
inline constexpr std::string_view tudouplay = "tudouplay://";  // plays a title; index 1
inline constexpr std::string_view qiyiplay = "qiyiplay://";    // plays a title; index 2
inline constexpr std::string_view youkuplay = "youkuplay://";  // plays a title; index 3
inline constexpr std::string_view dddisk = "dddisk://";        // makes a desktop shortcut
inline constexpr std::string_view gbook = "gbook://";          // opens the guestbook
inline constexpr std::string_view colse = "colse://";          // (spelled so) closes the player pane
inline constexpr std::string_view close = "close://";          // closes an advertisement window
inline constexpr std::string_view appplay = "appplay://";      // the recommendation plays a title
inline constexpr std::string_view appopen = "appopen://";      // the recommendation opens a page
inline constexpr std::string_view appclose = "appclose://";    // the recommendation closes itself
}  // namespace scheme

// The play schemes by table index; where a URL holds several, the highest
// index names the episodes to collect.
inline constexpr std::array<std::string_view, 4> kPlaySchemes = {scheme::flvplay, scheme::tudouplay, scheme::qiyiplay,
                                                                 scheme::youkuplay};

inline constexpr std::array<std::string_view, 11> kCommandSchemes = {
    scheme::flvplay, scheme::tudouplay, scheme::qiyiplay, scheme::youkuplay, scheme::dddisk,  scheme::gbook,
    scheme::colse,   scheme::close,     scheme::appplay,  scheme::appopen,   scheme::appclose};

// The schemes' names without "://", as the browser engine registers them.
inline std::vector<std::string> commandSchemeNames() {
    std::vector<std::string> names;
    for (const std::string_view scheme : kCommandSchemes) names.emplace_back(scheme.substr(0, scheme.find(':')));
    return names;
}

}  // namespace fluvane::mainwindow

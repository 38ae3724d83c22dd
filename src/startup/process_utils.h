#pragma once

#include "platform/services.h"

#include <array>
#include <string>
#include <string_view>

namespace fluvane::startup {

inline constexpr std::array<std::string_view, 6> kAllPlayers = {
    "BaiduP2PService.exe", "QvodPlayer.exe", "QvodTerminal.exe", "fluvane.exe", "orvelbaidu.exe", "fluvaneapp.exe"};
inline constexpr std::array<std::string_view, 4> kExternalPlayers = {"BaiduP2PService.exe", "QvodPlayer.exe",
                                                                     "QvodTerminal.exe", "orvelbaidu.exe"};
inline constexpr std::string_view kPlayerApp = "fluvaneapp.exe";

// Ends every process of the image name; returns without waiting for them.
void KillProcessByName(platform::Processes& processes, std::string_view imageName);

// Every name of the list, in list order. "fluvane.exe" ends the client itself;
// the platform lets the caller live long enough to send the names after it.
void KillAllPlayers(platform::Processes& processes);
void KillExternalPlayers(platform::Processes& processes);
void KillPlayerApp(platform::Processes& processes);

// True when a process of exactly that image name runs, letter case aside;
// "X.exe" also finds a process "X" (platform::shared::imageNameMatches). A part of the
// name is no match: processes "app" or "fluvane" are not "fluvaneapp.exe".
bool IsProcessRunning(platform::Processes& processes, std::string_view imageName);

// Only web addresses (platform::shared::isWebUrl) are opened: the URL comes from the portal, and
// handing the shell or the browser a local path, another scheme or an option
// would let it run programs.
void OpenInBrowser(platform::Shell& shell, const std::string& url);
void OpenLink(platform::Shell& shell, const std::string& url);

}  // namespace fluvane::startup

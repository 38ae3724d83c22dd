#pragma once

#include "platform/services.h"

#include <array>
#include <string>
#include <string_view>

namespace fluvane::startup {

inline constexpr std::array<std::string_view, 6> kAllPlayers = {
    "BaiduP2PService.exe", "QvodPlayer.exe", "QvodTerminal.exe",
    "fluvane.exe",         "orvelbaidu.exe", "fluvaneapp.exe"};
inline constexpr std::array<std::string_view, 4> kExternalPlayers = {
    "BaiduP2PService.exe", "QvodPlayer.exe", "QvodTerminal.exe", "orvelbaidu.exe"};
inline constexpr std::string_view kPlayerApp = "fluvaneapp.exe";

// Ends every process of the image name; returns without waiting for them.
void KillProcessByName(platform::Processes& processes, std::string_view imageName);

// Every name of the list, in list order. "fluvane.exe" ends the client itself;
// the platform lets the caller live long enough to send the names after it.
void KillAllPlayers(platform::Processes& processes);
void KillExternalPlayers(platform::Processes& processes);
void KillPlayerApp(platform::Processes& processes);

// True when a process's image name, upper-cased, occurs within the upper-cased
// asked name. Image names without ".exe" (executables on POSIX) are compared
// as "name.exe", so the client "fluvane" does not pass for "fluvaneapp.exe";
// a process without a name matches nothing.
bool IsProcessRunning(platform::Processes& processes, std::string_view imageName);

void OpenInBrowser(platform::Shell& shell, const std::string& url);
// Only web addresses are opened: the link comes from the portal, and handing
// the shell a local path or another scheme would let it run programs.
void OpenLink(platform::Shell& shell, const std::string& url);

}  // namespace fluvane::startup

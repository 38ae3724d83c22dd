#include "startup/process_utils.h"
#include "platform/shared/text.h"
#include "platform/shared/url.h"

#include <algorithm>
#include <vector>

namespace fluvane::startup {

void KillProcessByName(platform::Processes& processes, std::string_view imageName) {
    processes.terminateByImageName(std::string(imageName));
}

void KillAllPlayers(platform::Processes& processes) {
    for (const std::string_view name : kAllPlayers) KillProcessByName(processes, name);
}

void KillExternalPlayers(platform::Processes& processes) {
    for (const std::string_view name : kExternalPlayers) KillProcessByName(processes, name);
}

void KillPlayerApp(platform::Processes& processes) { KillProcessByName(processes, kPlayerApp); }

bool IsProcessRunning(platform::Processes& processes, std::string_view imageName) {
    const std::vector<platform::ProcessInfo> running = processes.list();
    return std::any_of(running.begin(), running.end(), [&](const platform::ProcessInfo& process) {
        return platform::shared::imageNameMatches(imageName, process.imageName);
    });
}

void OpenInBrowser(platform::Shell& shell, const std::string& url) {
    if (platform::shared::isWebUrl(url)) shell.openInBrowser(url);
}

void OpenLink(platform::Shell& shell, const std::string& url) {
    if (platform::shared::isWebUrl(url)) shell.openLink(url);
}

}  // namespace fluvane::startup

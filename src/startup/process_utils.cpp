#include "startup/process_utils.h"

#include <algorithm>
#include <cctype>

namespace fluvane::startup {

namespace {

constexpr std::string_view kExeSuffix = ".EXE";

std::string upper(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return out;
}

std::string withExeSuffix(std::string name) {
    if (!name.ends_with(kExeSuffix)) name += kExeSuffix;
    return name;
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && upper(text.substr(0, prefix.size())) == upper(prefix);
}

}  // namespace

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
    const std::string asked = upper(imageName);
    for (const platform::ProcessInfo& process : processes.list()) {
        if (process.imageName.empty()) continue;
        if (asked.find(withExeSuffix(upper(process.imageName))) != std::string::npos) return true;
    }
    return false;
}

void OpenInBrowser(platform::Shell& shell, const std::string& url) { shell.openInBrowser(url); }

void OpenLink(platform::Shell& shell, const std::string& url) {
    if (startsWithIgnoringCase(url, "http://") || startsWithIgnoringCase(url, "https://")) {
        shell.openLink(url);
    }
}

}  // namespace fluvane::startup

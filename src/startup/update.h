#pragma once

#include "platform/platform.h"

#include <filesystem>
#include <string>

namespace fluvane::startup {

// Refreshes zelhe.db from the portal. The answer is kept only when it is a
// server configuration (isUsableServerConfig): a failed download, an empty
// answer or a page of some login portal in between leaves the local file as
// it was. The result is not reported to the user.
void FetchServerConfig(platform::Platform& platform);

// Versions are free text compared code unit by code unit: "1.9" is not older than "1.10".
bool isNewerVersion(const std::string& local, const std::string& server);

std::filesystem::path updaterPath(const std::filesystem::path& applicationDirectory);

enum class UpdateDecision { Continue, ProcessEnded };

// The start-up offer. Accepting starts the updater and ends the process; with
// the updater missing the start-up simply goes on. A server version opening
// with '-' is neither offered nor handed to the updater.
UpdateDecision CheckForUpdate(platform::Platform& platform, const std::string& local, const std::string& server);

struct VersionPair {
    std::string server;
    std::string local;
};

// The update check on request: hands the updater the server version and
// whether it is newer (never a version opening with '-'); never asks and
// never ends the process.
VersionPair shengji(platform::Platform& platform);

}  // namespace fluvane::startup

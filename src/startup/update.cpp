#include "startup/update.h"

#include "startup/config_files.h"

#include <fstream>
#include <iostream>
#include <system_error>

namespace fluvane::startup {

namespace {

std::string updaterArgument(const std::string& server, const std::string& mode) {
    return server + "###" + mode + "###";
}

// The updater's argument opens with the server's text; text opening with '-'
// would reach the updater as an option, so it is never handed over.
bool updaterTakes(const std::string& text) { return !text.starts_with('-'); }

bool startUpdater(platform::Platform& platform, const std::string& argument) {
    if (!updaterTakes(argument)) return false;
    const std::filesystem::path updater = updaterPath(platform.application.directory());
    std::error_code error;
    if (!std::filesystem::is_regular_file(updater, error)) return false;
    return platform.processes.start(updater, {argument}, platform::WindowStyle::NormalFocus);
}

// Hands the whole of `file` to `put`; false when it cannot be read to its end.
bool copyInto(const std::filesystem::path& file, const platform::Files::Sink& put) {
    std::ifstream in(file, std::ios::binary);
    char block[1 << 14];
    while (in) {
        in.read(block, sizeof block);
        if (in.gcount() > 0 && !put({block, static_cast<std::size_t>(in.gcount())})) return false;
    }
    return in.eof() && !in.bad();
}

}  // namespace

// The checked download takes the configuration's place through the files
// service, so the new configuration survives a power cut as well as a crash.
void FetchServerConfig(platform::Platform& platform) {
    const std::filesystem::path file = serverConfigPath(platform.application.dataDirectory());
    std::filesystem::path download = file;
    download += ".download";
    std::error_code error;
    if (platform.network.downloadToFile(platform.portalUrl + "/zel/zel.txt", download) &&
        isUsableServerConfig(platform, download) &&
        !platform.files.replace(file,
                                [&download](const platform::Files::Sink& put) { return copyInto(download, put); })) {
        // The pages then go to the portal the old file names, which may be gone.
        std::clog << "fluvane: the server configuration could not be written to " << file.string()
                  << "; the one kept before stays in use" << std::endl;
    }
    std::filesystem::remove(download, error);
}

bool isNewerVersion(const std::string& local, const std::string& server) { return local < server; }

std::filesystem::path updaterPath(const std::filesystem::path& applicationDirectory) {
    return applicationDirectory / "update";
}

UpdateDecision CheckForUpdate(platform::Platform& platform, const std::string& local, const std::string& server) {
    if (!isNewerVersion(local, server) || !updaterTakes(server)) return UpdateDecision::Continue;
    const platform::MessageBoxResult answer =
        platform.ui.messageBox("检测到更新", "是否立即升级新版本新版版本号：" + server,
                               platform::MessageBoxIcon::Information, platform::MessageBoxButtons::YesNo);
    if (answer != platform::MessageBoxResult::Yes) return UpdateDecision::Continue;
    if (!startUpdater(platform, updaterArgument(server, "shengji"))) return UpdateDecision::Continue;
    platform.application.endProcess(0);
    return UpdateDecision::ProcessEnded;
}

VersionPair shengji(platform::Platform& platform) {
    FetchServerConfig(platform);
    VersionPair versions{ReadServerConfig(platform, "软件更新配置", "版本"),
                         ReadConfig(platform, "Version", "Version", "")};
    startUpdater(platform,
                 updaterArgument(versions.server, isNewerVersion(versions.local, versions.server) ? "shengji" : "wu"));
    return versions;
}

}  // namespace fluvane::startup

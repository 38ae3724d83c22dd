#pragma once

#include "platform/services.h"

#include <QApplication>

#include <string>
#include <vector>

namespace fluvane::platform::qt::testing {

// The shell the panes open their new windows through: it only records them.
class RecordingShell final : public platform::Shell {
public:
    bool openLink(const std::string& url) override {
        openedLinks.push_back(url);
        return true;
    }
    bool openInBrowser(const std::string&) override { return false; }
    std::filesystem::path desktopFolder() const override { return {}; }
    bool createShortcut(const platform::Shortcut&) override { return false; }
    bool setAutostart(const std::string&, const std::filesystem::path&, bool) override { return false; }

    std::vector<std::string> openedLinks;
};

// The one application object of a test binary, created on first use on the
// given Qt platform plugin, with a private home and the client's schemes
// registered. Nothing reaches the user's real home or desktop.
QApplication& testApplication(const char* platformPlugin);

}  // namespace fluvane::platform::qt::testing

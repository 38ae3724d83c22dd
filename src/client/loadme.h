#pragma once

#include "client/form_registry.h"
#include "platform/platform.h"

#include <memory>
#include <string>

namespace fluvane::client {

// The start-up window: never visible. It ends a second instance (handing a
// shortcut's page to the running one first), checks the network, starts from
// a desktop shortcut or fetches the server configuration and offers an
// update, then hands over to the main window, unloads itself and opens the
// channel through which later starts hand over their pages.
class loadme {
public:
    loadme(platform::Platform& platform, FormRegistry& forms);
    loadme(const loadme&) = delete;
    loadme& operator=(const loadme&) = delete;

    void Form_Load();
    void nolink_Timer();
    void TmrLoad_Timer();

    // True once the start-up window has been unloaded.
    bool unloaded() const { return unloaded_; }

    std::string Text1;       // local version
    std::string Text2;       // server version
    std::string Text3;       // side-window switch, "1" on
    std::string updateFlag;  // offer updates at start-up

    std::unique_ptr<platform::Timer> nolink;   // fetches the server configuration, once
    std::unique_ptr<platform::Timer> TmrLoad;  // offers the update and hands over, once
    std::unique_ptr<platform::Timer> offline;  // ends the process once the offline balloon has shown

private:
    std::string decodedCommandLine() const;
    void handPageToRunningInstance();
    void tellOffline();
    void startFromShortcut(const std::string& decoded);
    void handOver();
    void unload();

    platform::Platform& platform_;
    FormRegistry& forms_;
    std::unique_ptr<platform::Form> form_;
    bool unloaded_ = false;
};

}  // namespace fluvane::client

#pragma once

#include "mainwindow/form1.h"
#include "mainwindow/main_window_services.h"
#include "platform/platform.h"

#include <memory>
#include <string>

namespace fluvane::client {

// The start-up window: never visible. It ends a second instance, checks the
// network, starts from a desktop shortcut or fetches the server configuration
// and offers an update, then hands over to the main window and unloads itself.
// The object outlives its window because it owns the main window.
class loadme {
public:
    loadme(platform::Platform& platform, mainwindow::MainWindowServices& services);
    loadme(const loadme&) = delete;
    loadme& operator=(const loadme&) = delete;

    void Form_Load();
    void nolink_Timer();
    void TmrLoad_Timer();

    // The main window, created and loaded on first use.
    mainwindow::Form1& Form1();
    bool mainWindowLoaded() const { return form1_ != nullptr; }
    // True once the start-up window has been unloaded.
    bool unloaded() const { return unloaded_; }

    std::string Text1;  // local version
    std::string Text2;  // server version
    std::string Text3;  // side-window switch
    std::string updateFlag;

    std::unique_ptr<platform::Timer> nolink, TmrLoad;

private:
    void startFromShortcut(const std::string& decoded);
    void handOver();
    void unload();

    platform::Platform& platform_;
    mainwindow::MainWindowServices& services_;
    std::unique_ptr<platform::Form> form_;
    std::unique_ptr<mainwindow::Form1> form1_;
    bool unloaded_ = false;
};

}  // namespace fluvane::client

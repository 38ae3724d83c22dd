#pragma once

#include "platform/form.h"
#include "platform/geometry.h"

#include <filesystem>
#include <string>

namespace fluvane::mainwindow {

class Form1;

// The operations of the main window's start-up and timers that other modules
// provide: tray icon, skin, playlist file, maximise bounds, taskbar button,
// magnetic windows, advertisement and side windows. Each default does nothing,
// so the main window runs before those modules are composed in.
class MainWindowServices {
public:
    virtual ~MainWindowServices() = default;

    virtual void ShowTrayIcon(Form1&, const std::string&) {}
    // The old-style new-window event of pane W2.
    virtual void ConnectNewWindowEvent(Form1&) {}
    // Loading the skin ends by switching T4 on; without a skin loader that
    // last step is all there is.
    virtual void LoadSkin(Form1& form);
    virtual void LoadPlayList(Form1&, const std::filesystem::path&) {}
    // Pixels.
    virtual int TaskbarHeight() { return 0; }
    virtual void MaximiseBounds(Form1&, platform::Size, platform::Size) {}
    virtual void TaskbarButtonBehaviour(Form1&) {}
    virtual void AddWindow(platform::WindowHandle, int) {}
    // One tick of the pop-up advertisement schedule T6.
    virtual void PopupSchedule(Form1&) {}
    virtual void ShowRecommendation(Form1&) {}
    virtual void ShowBalloon(Form1&, const std::string&, const std::string&, int, int) {}
    // The side window fMain, its top-left corner in screen pixels.
    virtual void ShowSideWindow(Form1&, platform::Point) {}
};

}  // namespace fluvane::mainwindow

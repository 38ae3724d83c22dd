#pragma once

#include "platform/canvas.h"
#include "platform/form.h"
#include "platform/timer.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace fluvane::platform {

enum class MessageBoxIcon { None, Information, Question, Warning, Error };
enum class MessageBoxButtons { Ok, YesNo, OkCancel };
enum class MessageBoxResult { Ok, Cancel, Yes, No };

struct MenuItem {
    int id = 0;  // 0 with an empty caption: a separator
    std::string caption;
    bool checked = false;
    bool enabled = true;
};

// The notification-area icon's record; callbacks reach the owner's window
// procedure as `callbackMessage` with the mouse message in lParam.
struct NotifyIconData {
    Form* owner = nullptr;
    unsigned id = 0;
    unsigned flags = 0;  // 1 message, 2 icon, 4 tip, 16 balloon
    std::uint32_t callbackMessage = 0;
    std::shared_ptr<Picture> icon;
    std::string tip;
    std::string balloonText;
    std::string balloonTitle;
    int balloonIcon = 0;  // 0 none, 1 information, 2 warning, 3 error
    int timeoutMs = 0;
};
enum class NotifyIconOperation { Add = 0, Modify = 1, Delete = 2 };

// Window system services of the user-interface thread.
class Ui {
public:
    virtual ~Ui() = default;

    virtual std::unique_ptr<Form> createForm() = 0;
    // A timer of no window: it lives as long as its owner keeps it.
    virtual std::unique_ptr<Timer> createTimer() = 0;
    // A timer of `window`: it stops for good once the window is closed, as a
    // window's timers die with it; switching it on again then does nothing.
    virtual std::unique_ptr<Timer> createTimer(Form& window) = 0;
    virtual std::unique_ptr<Buffer> createBuffer(Size size) = 0;

    // Image files (BMP, PNG, GIF; JPEG recognised by content); nothing if unreadable.
    virtual std::shared_ptr<Picture> loadPicture(const std::filesystem::path& file) = 0;
    // The icon of the platform's standard large size from an icon file; nothing if none.
    virtual std::shared_ptr<Picture> loadIcon(const std::filesystem::path& file) = 0;
    // Bitmaps compiled into the program, by resource number; nothing if unknown.
    virtual std::shared_ptr<Picture> resourcePicture(int id) = 0;

    // Index: the low bits of an OLE system colour (0x80000000 | index).
    virtual Color systemColor(int index) const = 0;
    virtual Size screenSize() const = 0;
    virtual Rect workArea() const = 0;
    // Empty when there is no taskbar.
    virtual Rect taskbarRect() const = 0;
    virtual Point cursorPosition() const = 0;

    virtual MessageBoxResult messageBox(const std::string& title, const std::string& text, MessageBoxIcon icon,
                                        MessageBoxButtons buttons) = 0;
    // Blocks until the menu closes; the chosen item's id, or 0.
    virtual int popupMenu(Form& owner, const std::vector<MenuItem>& items, Point screen) = 0;
    virtual bool notifyIcon(NotifyIconOperation operation, const NotifyIconData& data) = 0;
    // Whether the desktop has a notification area to hold such an icon now.
    virtual bool trayAvailable() const = 0;

    // Runs the events already pending, then returns.
    virtual void processEvents() = 0;
    // Blocks the thread; timers due meanwhile tick once afterwards.
    virtual void sleep(int milliseconds) = 0;
};

}  // namespace fluvane::platform

#pragma once

#include "platform/form.h"
#include "platform/geometry.h"
#include "platform/ui.h"
#include "winsvc/procedure_hook.h"

#include <functional>
#include <memory>
#include <string>

namespace fluvane::winsvc {

// 托盘气泡: the window's notification-area icon, its balloons, and the
// callback that shows, hides and offers the tray menu.
//
// The icon counts as installed from the first ShowTrayIcon or ShowBalloon
// until RemoveTrayIcon; while it is, `TrayCallback` sits on the window's
// procedure chain. Where the desktop has no notification area the icon cannot
// bring a hidden window back: callers hide through hideToTray, which then
// minimises, and ask CanHideToTray before a close that would only hide.
// The window must outlive this object or be closed first.
class 托盘气泡 {
public:
    // A right click on the icon or a click on its balloon: show the tray
    // menu at this screen point, owned by the window.
    using ShowTrayMenu = std::function<void(platform::Point screen)>;

    托盘气泡(platform::Ui& ui, platform::Form& window, ShowTrayMenu showTrayMenu);
    // Removes the icon and takes the callback out.
    ~托盘气泡();
    托盘气泡(const 托盘气泡&) = delete;
    托盘气泡& operator=(const 托盘气泡&) = delete;

    // Sets the window's icon, which every later record of the tray icon carries.
    void setWindowIcon(std::shared_ptr<platform::Picture> icon);

    // `ShowTrayIcon`: adds the icon, or modifies it when installed, with `tip`; no balloon.
    void ShowTrayIcon(const std::string& tip);
    // `ShowBalloon`: as ShowTrayIcon with `title` as the tip, and a balloon.
    // iconKind: 0 none, 1 information, 2 warning, 3 error.
    void ShowBalloon(const std::string& title, const std::string& text, int iconKind, int timeoutMs);
    // `RemoveTrayIcon`: deletes the icon and takes the callback out; nothing
    // without an icon.
    void RemoveTrayIcon();

    // From now on the icon only shows: clicks on it and on its balloon do
    // nothing, for an icon that says something before the program ends.
    void ignoreClicks() { ignoresClicks_ = true; }

    // The icon is in a notification area, so a hidden window can come back through it.
    bool canHideToTray() const;
    // Hides the window when the icon can bring it back, otherwise minimises it.
    void hideToTray();

private:
    // `TrayCallback`: the replacement window procedure. A left click hides a
    // visible window (a minimised one counts as visible) and shows a hidden
    // one; a right click or a balloon click brings the window to the
    // foreground, so the menu closes on a click elsewhere, then asks for the
    // tray menu. Every message then goes on down the chain.
    std::intptr_t TrayCallback(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam,
                               const platform::WindowProcedure& next);
    void send(const platform::NotifyIconData& record);

    platform::Ui& ui_;
    platform::Form& window_;
    ShowTrayMenu showTrayMenu_;
    std::shared_ptr<platform::Picture> icon_;
    ProcedureHook callback_;
    bool iconShown_ = false;
    bool ignoresClicks_ = false;
};

}  // namespace fluvane::winsvc

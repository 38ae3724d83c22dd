#pragma once

#include "platform/geometry.h"

#include <string>

namespace fluvane::mainwindow {

// What the main window asks of the windows above it: each call creates the
// window on first use, and again after it was unloaded.
class SecondaryWindows {
public:
    virtual ~SecondaryWindows() = default;

    // `tan`: navigates its pane to `url`, then shows it owned by the main window.
    virtual void showPopupAd(const std::string& url) = 0;
    // `hit`: the recommendation window, owned by the main window.
    virtual void showRecommendation() = 0;
    // `tui`: the exit advertisement takes over, with no owner, while the main window closes.
    virtual void showExitAd() = 0;
    // Unloads `tan` if it is loaded.
    virtual void closePopupAd() = 0;
    // `yijian`: the feedback window, owned by the main window.
    virtual void showFeedback() = 0;
    // `FrmAppTip`: shows `text`, then hides itself.
    virtual void ShowTip(const std::string& text) = 0;
    // `Form2`'s main menu `caidan` at `screen`, owned by the main window; asked
    // for by the menu button of the title bar.
    virtual void showMainMenu(platform::Point screen) = 0;
    // `Form2`'s tray menu `menu` at `screen`, owned by the main window; asked
    // for by a right click on the tray icon or a click on its balloon.
    virtual void ShowTrayMenu(platform::Point screen) = 0;
    // `Form2`'s page menu `MyMenu` at `screen`, owned by the main window;
    // asked for by a right click on the library page, instead of its own menu.
    virtual void showPageMenu(platform::Point screen) = 0;
};

}  // namespace fluvane::mainwindow

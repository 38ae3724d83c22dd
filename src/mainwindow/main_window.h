#pragma once

#include "mainwindow/secondary_windows.h"
#include "platform/platform.h"
#include "winsvc/magnetic_wnd.h"

#include <filesystem>
#include <memory>
#include <string>

namespace fluvane::mainwindow {

// What the other windows and the start-up window ask of the main window.
// Its controls, timers and values stay its own.
class MainWindow {
public:
    virtual ~MainWindow() = default;

    // The window itself: the owner of the windows it opens.
    virtual platform::Form& form() = 0;
    // The magnetic service the side window registers with.
    virtual winsvc::cMagneticWnd& magneticWindows() = 0;
    virtual void show() = 0;
    // `dizhi`, the portal base every page of the windows it opens comes from.
    virtual const std::string& portalAddress() const = 0;

    virtual void appplay() = 0;     // the player view, as tab 0
    virtual void appopen() = 0;     // the library view, as tab 1
    virtual void 广告倒计时() = 0;  // the buffering countdown and the list advertisement
    virtual void listcose() = 0;    // closes the list advertisement until zai brings it back
    // Writes the whole playlist to `path`; false when it could not, and the
    // file is then as it was.
    virtual bool SavePlayList(const std::filesystem::path& path) = 0;
    // Quitting, from the close button and the menus' "退出程序": the playlist
    // saved, the tray icon removed, then the exit advertisement takes over or
    // the players and the client end.
    virtual void exitSequence() = 0;

    // The library pane: a page, and its history. Without history, or while no
    // page is ready, going back or forward does nothing.
    virtual void showLibraryPage(const std::string& url) = 0;
    virtual void libraryBack() = 0;
    virtual void libraryForward() = 0;
    virtual void libraryRefresh() = 0;
    // The recommendation window's play: the external players stop, the
    // buffering countdown runs, the player page shows `url` when it is a web
    // page, and the player view comes up.
    virtual void playRecommendation(const std::string& url) = 0;

    // Start-up: the timers that would bring up pages and windows, off.
    virtual void stopStartupTimers() = 0;
    // The first navigation now, unless it has happened, so that it does not
    // replace a page shown later.
    virtual void startFirstNavigation() = 0;
    // Start-up on a page of a desktop shortcut instead of the library home.
    virtual void openOnPage(const std::string& url) = 0;

    // The tray icon: false where there is no notification area.
    virtual bool canHideToTray() = 0;
    virtual void hideToTray() = 0;
    // A balloon while the window stays half-loaded: clicks on the icon are
    // ignored from now on.
    virtual void showStartupBalloon(const std::string& title, const std::string& text, int icon, int timeoutMs) = 0;
};

// The main window, created and loaded.
std::unique_ptr<MainWindow> loadMainWindow(platform::Platform& platform, SecondaryWindows& windows);

// The folder whose pictures the main window's skin is drawn from.
inline std::filesystem::path skinFolder(const std::filesystem::path& applicationDirectory) {
    return applicationDirectory / "zelskin" / "skin";
}

}  // namespace fluvane::mainwindow

#pragma once

#include "mainwindow/buffering_countdown.h"
#include "mainwindow/edge_resize.h"
#include "mainwindow/form1_design.h"
#include "mainwindow/list_ad.h"
#include "mainwindow/main_window.h"
#include "mainwindow/main_window_values.h"
#include "mainwindow/notice_list.h"
#include "mainwindow/page_commands.h"
#include "mainwindow/playlist_panel.h"
#include "mainwindow/popup_schedule.h"
#include "mainwindow/secondary_windows.h"
#include "mainwindow/title_bar.h"
#include "platform/platform.h"
#include "winsvc/borderless_maximise.h"
#include "winsvc/magnetic_wnd.h"
#include "winsvc/taskbar_button.h"
#include "winsvc/tray_balloon.h"

#include <filesystem>
#include <memory>
#include <string>

namespace fluvane::mainwindow {

// The main window. The other windows see only MainWindow; its behaviour is
// split by concern over the form1_*.cpp files.
class Form1 final : public MainWindow, private Form1Design {
public:
    Form1(platform::Platform& platform, SecondaryWindows& windows);

    // The load step, once, after construction (form1.cpp, form1_skin.cpp).
    void Form_Load();

    platform::Form& form() override { return *form_; }
    winsvc::cMagneticWnd& magneticWindows() override { return oMagneticWnd; }
    void show() override;
    const std::string& portalAddress() const override { return values_.dizhi; }
    void appplay() override;
    void appopen() override;
    void 广告倒计时() override;
    void listcose() override;
    bool SavePlayList(const std::filesystem::path& path) override;
    void exitSequence() override;
    void showLibraryPage(const std::string& url) override;
    void libraryBack() override;
    void libraryForward() override;
    void libraryRefresh() override;
    void playRecommendation(const std::string& url) override;
    void stopStartupTimers() override;
    void startFirstNavigation() override;
    void openOnPage(const std::string& url) override;
    bool canHideToTray() override;
    void hideToTray() override;
    void showStartupBalloon(const std::string& title, const std::string& text, int icon, int timeoutMs) override;

private:
    // Tests reach the inside through this one accessor.
    friend struct Form1Inside;

    // Layout: each container places its children when its size changes (form1_layout.cpp).
    void Form_Resize();
    void Picture1_Resize();
    void Picture2_Resize();
    void Picture3_Resize();
    void Picture5_Resize();
    void Picture6_Resize();
    void Picture9_Resize();
    void vip3_Resize();
    void bj_Resize();
    void Picture4_Resize();

    // Painting: the panel buttons (form1_paint.cpp).
    void Picture4_Paint();
    void Picture7_Paint();
    void Picture8_Paint();

    // The window under the mouse: edges, double-click, drag strip (form1_mouse.cpp).
    void Form_MouseMove(const platform::MouseEvent& e);
    void Form_DblClick();
    void bj_DblClick();
    void Picture9_MouseMove();

    // Pane interactions (form1_panes.cpp).
    void Picture4_Click();
    void Picture8_Click();
    void Picture4_MouseMove(const platform::MouseEvent& e);
    void Picture8_MouseMove(const platform::MouseEvent& e);
    void Picture8_MouseDown();
    void Picture7_MouseMove(const platform::MouseEvent& e);
    void Picture7_MouseDown();
    void Picture7_Click();
    void Image2_MouseMove();
    void Picture5_MouseMove();
    void Image2_Click();
    void Label1_Click();

    // What the title bar's buttons and tabs ask of the window (form1_views.cpp).
    TitleBar::Actions titleBarActions();
    void showTab(int Index);

    // Page commands (form1_commands.cpp).
    void ListWeb_BeforeNavigate2(const std::string& url, const platform::NavigationSource& source, bool& cancel);
    void W3_BeforeNavigate2(const std::string& url, const platform::NavigationSource& source, bool& cancel);
    void W2_NewWindow(const std::string& url, const platform::NavigationSource& source, bool& processed);

    // The playlist (form1_playlist.cpp).
    void SFPlayList1_MouseDown();

    // The start-up's timers (form1_timers.cpp).
    void T4_Timer();
    void hit2_Timer();

    ServerValues values_;       // read at the load
    StartupSettings settings_;  // read at the load

    std::unique_ptr<platform::Timer> T4;    // first navigation, once
    std::unique_ptr<platform::Timer> hit2;  // opens the recommendation window, once

    // The window services on this window; each one's procedure sits on its chain.
    winsvc::托盘气泡 tray;                  // the notification-area icon and its balloons
    winsvc::状态栏 taskbarButton;           // a close from the taskbar button only hides
    winsvc::无边框窗体最大化 maximiseHook;  // a maximised window leaves the taskbar visible
    winsvc::cMagneticWnd oMagneticWnd;      // snaps this window and those registered with it

    // The two views, numbered as their tabs in Button2.
    enum class View { Player = 0, Library = 1 };
    void switchView(View view);

    bool play(const std::string& url, bool withListAd);
    void makeDesktopShortcut(const std::string& url);
    void addEpisodeGroup(const std::string& url);

    // Each concern hooks its own handlers to the controls.
    void connectLayout();
    void connectPainting();
    void connectMouse();
    void connectPanes();
    void connectCommands();
    void connectPlaylist();

    bool LoadSkin();  // false: start-up must end
    bool minimised() const;
    void resetPointer();
    void toggleMaximised();

    platform::Platform& platform_;
    SecondaryWindows& windows_;
    EdgeDragState edgeDrag_;
    PlayerArgumentFields playerFields_;  // kept from one W2 new-window request to the next
    // The features, each with its controls, timers and state.
    PlaylistPanel playlist_;        // SFPlayList1 and its file
    PopupSchedule popups_;          // T6
    BufferingCountdown buffering_;  // vip, tip and Timer8
    ListAdvertisement listAd_;      // listad1 and zai
    NoticeLine notices_;            // Label2, gun and gun2
    TitleBar titleBar_;             // the strip, Button1 and Button2
};

}  // namespace fluvane::mainwindow

#pragma once

#include "client/form_slot.h"
#include "mainwindow/main_window.h"
#include "mainwindow/secondary_windows.h"
#include "platform/platform.h"
#include "windows/f_main.h"
#include "windows/form2.h"
#include "windows/frm_app_tip.h"
#include "windows/hit.h"
#include "windows/shezhigy.h"
#include "windows/shezhitip.h"
#include "windows/tan.h"
#include "windows/tui.h"
#include "windows/yijian.h"

#include <memory>
#include <optional>
#include <string>

namespace fluvane::client {

// Every window of the program, each created on first use. The main window
// reaches the others through the narrow SecondaryWindows interface.
class FormRegistry final : public mainwindow::SecondaryWindows {
public:
    // Takes the pages later starts of the program hand over.
    explicit FormRegistry(platform::Platform& platform);
    // The side window leaves the main window's magnetic service before either goes.
    ~FormRegistry() override;

    // The main window, loaded on first use.
    mainwindow::MainWindow& Form1() { return form1_.get(); }
    mainwindow::MainWindow* loadedForm1() { return form1_.loaded(); }
    // The menu form, created on first use and kept for the run; never shown.
    windows::Form2& Form2();

    // `tan` loads (sizing and placing itself) before it navigates to `url`.
    void showPopupAd(const std::string& url) override;
    // `hit`, owned by the main window; its load step runs as it is created.
    void showRecommendation() override;

    // The exit sequence: `tui` takes over, with no owner, while the main window closes.
    void showExitAd() override;
    // Unloads `tan` if it is loaded.
    void closePopupAd() override;
    // `yijian`, owned by the main window and centred on it, with the main window's portal address.
    void showFeedback() override;
    // `FrmAppTip`: `text` for three seconds.
    void ShowTip(const std::string& text) override;
    // `Form2`'s menus at `screen`, owned by the main window: the tray menu
    // `menu`, the main menu `caidan` and the library page's menu `MyMenu`.
    void ShowTrayMenu(platform::Point screen) override;
    void showMainMenu(platform::Point screen) override;
    void showPageMenu(platform::Point screen) override;
    // `fMain`, without owner, its top-left corner at `topLeft` (screen pixels),
    // glued to the main window while it touches it.
    void showSideWindow(platform::Point topLeft);
    // `shezhitip` and `shezhigy`, owned by the main window: opening one closes the other.
    void showSettings();
    void showAbout();
    // A page a later start handed over: the main window shows it in the
    // library view and comes to the front; before it is loaded, the page waits
    // for ShowPendingPage. Only an http(s) page under the portal base
    // is shown; anything else is ignored.
    void showHandedPage(const std::string& pageUrl);
    // The last page handed over before the main window was loaded, shown now.
    void showPendingPage();

    FormSlot<windows::tan>& tan() { return tan_; }
    FormSlot<windows::tui>& tui() { return tui_; }
    FormSlot<windows::yijian>& yijian() { return yijian_; }
    FormSlot<windows::FrmAppTip>& FrmAppTip() { return frmAppTip_; }
    FormSlot<windows::fMain>& fMain() { return fMain_; }
    FormSlot<windows::hit>& hit() { return hit_; }
    FormSlot<windows::shezhitip>& shezhitip() { return shezhitip_; }
    FormSlot<windows::shezhigy>& shezhigy() { return shezhigy_; }

private:
    // The main window's form if it is loaded: the owner of the windows it opens.
    platform::Form* mainForm();
    void mainWindowUnloaded();

    platform::Platform& platform_;
    FormSlot<mainwindow::MainWindow> form1_;
    FormSlot<windows::tan> tan_;
    FormSlot<windows::tui> tui_;
    FormSlot<windows::yijian> yijian_;
    FormSlot<windows::FrmAppTip> frmAppTip_;
    FormSlot<windows::shezhitip> shezhitip_;
    FormSlot<windows::shezhigy> shezhigy_;
    FormSlot<windows::fMain> fMain_;
    FormSlot<windows::hit> hit_;
    std::unique_ptr<windows::Form2> form2_;
    std::optional<std::string> pendingPage_;  // handed over during start-up
};

}  // namespace fluvane::client

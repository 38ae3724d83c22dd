#pragma once

#include "platform/platform.h"
#include "windows/f_main_design.h"
#include "winsvc/magnetic_wnd.h"

#include <memory>

namespace fluvane::windows {

// The side float window: stands against the main window's right edge, glued
// to it by the main window's magnetic-window service, and shows a local
// loading page, then five seconds later the portal's advertisement feed.
class fMain : public fMainDesign {
public:
    static constexpr int kFeedDelay = 5000;  // ms

    explicit fMain(platform::Platform& platform);

    // Places the window against `mainForm`'s right edge, registers it with
    // `magnetic` (the main window's service) as `mainForm`'s child, requests
    // the loading page and arms T1.
    void Form_Load(platform::Form& mainForm, winsvc::cMagneticWnd& magnetic);
    void Form_Resize();
    void P1_Resize();
    void P_MouseDown(const platform::MouseEvent& e);
    void P_MouseMove(const platform::MouseEvent& e);
    void I1_MouseMove(const platform::MouseEvent& e);
    void I1_Click();
    void w_DownloadBegin();
    void T1_Timer();

    // Modeless and without owner, its top-left corner at `topLeft` (screen pixels).
    void Show(platform::Point topLeft);

    std::unique_ptr<platform::Timer> T1;  // switches to the portal's feed, once

private:
    bool minimised() const;
    void moveTo(platform::Point topLeft);

    platform::Platform& platform_;
};

}  // namespace fluvane::windows

#pragma once

#include "platform/platform.h"
#include "windows/tui_design.h"
#include "winsvc/procedure_hook.h"

#include <memory>
#include <string>

namespace fluvane::windows {

// The exit advertisement: a portal page centred on the screen while the
// client quits. Four seconds after it loads, and again four seconds after it
// closes, it ends the sibling player "orvelkan.exe"; the second time the
// client ends with it. Closed by its page or by the window manager, it only
// leaves the screen and stays loaded until then: a platform that ends the
// program with its last window would otherwise skip the terminations.
class tui : public tuiDesign {
public:
    static constexpr int kTimerInterval = 4000;  // ms

    explicit tui(platform::Platform& platform);

    // Sizes and centres the window, requests the exit page, arms T1.
    void Form_Load();
    void Form_Resize();
    // Unloaded by the client itself; the wait for the second end starts.
    void Form_Unload();
    void show();

    void w_DownloadBegin();
    void w_BeforeNavigate2(const std::string& url, const platform::NavigationSource& source, bool& cancel);
    // Left uncancelled: the platform opens the page in the user's browser.
    void w_NewWindow2(bool& cancel);
    void T1_Timer();

    // Ends every process of the image name, without a command processor.
    void KillVodSoft(const std::string& imageName);

    // Ends the sibling player, once per arming; a timer of no window, since
    // its last wait runs on after the window has gone.
    std::unique_ptr<platform::Timer> T1;

private:
    // Hides the window and starts the wait for the second end, once.
    void closeToBackground();
    void startClosingWait();
    void endClient();

    winsvc::ProcedureHook closeHook_;  // the window manager's close hides the window

    platform::Platform& platform_;
    bool closed_ = false;
};

}  // namespace fluvane::windows

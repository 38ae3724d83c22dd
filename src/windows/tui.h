#pragma once

#include "platform/platform.h"
#include "windows/tui_design.h"

#include <memory>
#include <string>

namespace fluvane::windows {

// The exit advertisement: a portal page centred on the screen while the
// client quits. Four seconds after it loads, and again four seconds after it
// closes, it ends the sibling player "orvelkan.exe"; the second time the
// client ends with it.
class tui : public tuiDesign {
public:
    static constexpr int kTimerInterval = 4000;  // ms

    explicit tui(platform::Platform& platform);

    // Sizes and centres the window, requests the exit page, arms T1.
    void Form_Load();
    void Form_Resize();
    // Closed by its page, by opening a link or by the window manager.
    void Form_Unload();
    void show();

    void w_DownloadBegin();
    void w_BeforeNavigate2(const std::string& url, bool& cancel);
    // Left uncancelled: the platform opens the page in the user's browser.
    void w_NewWindow2(bool& cancel);
    void T1_Timer();

    // Ends every process of the image name, without a command processor.
    void KillVodSoft(const std::string& imageName);

    std::unique_ptr<platform::Timer> T1;  // ends the sibling player, once per arming

private:
    void EndClient();

    platform::Platform& platform_;
    bool closed_ = false;
};

}  // namespace fluvane::windows

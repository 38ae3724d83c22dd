#pragma once

#include "platform/platform.h"
#include "windows/hit_design.h"
#include "windows/main_window.h"

#include <cstdint>
#include <memory>
#include <string>

namespace fluvane::windows {

// The recommendation window: rises from its bottom edge near the screen's
// bottom-right corner, shows a local loading page and two seconds later the
// portal's recommendation page, and closes itself thirty seconds after it
// has fully risen. Its page closes it with a fade ("appclose://"), or opens a
// portal page in the main window's library pane ("appopen://") or plays a
// title in its player pane ("appplay://").
class hit : public hitDesign {
public:
    static constexpr int kPageDelay = 2000;  // ms

    hit(platform::Platform& platform, LoadedMainWindow mainWindow);

    // Requests the loading page, places the window topmost, leaves only its
    // bottom row visible and starts the rise.
    void Form_Load();
    // Closed by its page, its stay or the window manager.
    void Form_Unload();
    // Modeless, owned by `owner`.
    void Show(platform::Form* owner);

    void w_DownloadBegin();
    // The commands follow one another in the order above, each working on the
    // URL as the one before it rewrote it.
    void w_BeforeNavigate2(const std::string& url, const platform::NavigationSource& source, bool& cancel);
    void T1_Timer();
    void Timer1_Timer();
    void Timer2_Timer();

    // Fades the window out in 25 steps, serving the user interface between
    // them; true when the window is then to be closed. Runs once: a second
    // request, during the fade or after, does nothing and gives false, as
    // does a fade that a close or the window's end cut short, after which
    // the window is left alone.
    bool FadeOutWindow();

    std::unique_ptr<platform::Timer> T1;      // requests the recommendation page, once
    std::unique_ptr<platform::Timer> Timer1;  // the rise, one step a tick
    std::unique_ptr<platform::Timer> Timer2;  // the stay, one second a tick

private:
    // Corners as given; the region covers the rows and columns between them.
    struct Corners {
        std::int16_t X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    };

    void applyRegion();
    void unload();

    platform::Platform& platform_;
    LoadedMainWindow mainWindow_;
    Corners RevealRect;            // the window region's corners
    std::int16_t RevealStep = 0;   // rows uncovered per rise tick
    std::int16_t FadeDelay = 0;    // ms between fade steps
    std::int16_t StaySeconds = 0;  // stay once fully risen
    std::int16_t StayCount = 0;    // stay ticks so far
    bool fadeStarted_ = false;
    bool closed_ = false;
    // Whoever yields to the event loop checks this before touching the window again.
    std::shared_ptr<int> lifetime_ = std::make_shared<int>(0);
};

}  // namespace fluvane::windows

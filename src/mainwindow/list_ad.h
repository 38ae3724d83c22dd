#pragma once

#include "platform/browser.h"
#include "platform/controls.h"
#include "platform/ui.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace fluvane::mainwindow {

// The list advertisement control: one fixed portal page, from the portal base
// URL fixed in the program rather than `dizhi`, that may close itself.
class listad {
public:
    // Lays the control out in `parent` and navigates its page, once.
    listad(platform::Surface& parent, const std::string& portalUrl);
    listad(const listad&) = delete;
    listad& operator=(const listad&) = delete;

    platform::Surface& UserControl;  // the control's own area, placed by its container
    platform::BrowserPane& w;        // the advertisement page

    // The page asked to close the advertisement ("close://" anywhere in a URL).
    std::function<void()> close;

private:
    void w_DownloadBegin();
    void w_BeforeNavigate2(const std::string& url, const platform::NavigationSource& source, bool& cancel);

    std::string portalUrl_;  // the page's portal, whose frames may close the advertisement
};

// The list advertisement in the playlist panel: it shows with a play from a
// page, right under the list, which gives up the room; its page may close it,
// and zai brings it back.
class ListAdvertisement {
public:
    // `listad1` and the list's window `SFPlayList1Window` lie in the panel
    // `Picture6`; the timer dies with `window`.
    ListAdvertisement(platform::Ui& ui, platform::Form& window, listad& listad1, platform::Surface& Picture6,
                      platform::Surface& SFPlayList1Window);
    ListAdvertisement(const ListAdvertisement&) = delete;
    ListAdvertisement& operator=(const ListAdvertisement&) = delete;

    void ShowListAd();  // under the list, which gives up the room
    // Closes the advertisement until zai brings it back.
    void listcose();

private:
    friend struct Form1Inside;

    void zai_Timer();  // one second more since the advertisement was closed or came back

    listad& listad1;                       // the advertisement control
    platform::Surface& Picture6;           // the playlist panel
    platform::Surface& SFPlayList1Window;  // the list, above the advertisement
    std::unique_ptr<platform::Timer> zai;  // brings the closed list advertisement back
    std::int32_t listAdCounter_ = 0;       // zai ticks since the advertisement last came back
    bool listAdReturned_ = false;          // zai has brought it back once
};

}  // namespace fluvane::mainwindow

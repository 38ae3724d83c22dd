#pragma once

#include "platform/browser.h"
#include "platform/controls.h"

#include <functional>
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

}  // namespace fluvane::mainwindow

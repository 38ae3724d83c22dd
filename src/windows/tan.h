#pragma once

#include "platform/platform.h"
#include "windows/tan_design.h"

#include <string>

namespace fluvane::windows {

// The pop-up advertisement: a portal page in the screen's bottom-right corner
// that its page closes, by a close command or by opening a link.
class tan : public tanDesign {
public:
    explicit tan(platform::Platform& platform);

    // Sizes the window from the server configuration and places it.
    void Form_Load();
    void Form_Resize();
    // The page: any web address; shown modeless, owned by `owner` if given.
    void Show(const std::string& url, platform::Form* owner);

    void w_DownloadBegin();
    void w_BeforeNavigate2(const std::string& url, const platform::NavigationSource& source, bool& cancel);
    // Left uncancelled: the platform opens the page in the user's browser.
    void w_NewWindow2(bool& cancel);

private:
    platform::Platform& platform_;
    std::string page_;  // the page shown, whose origin may command the window
};

}  // namespace fluvane::windows

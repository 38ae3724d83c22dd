#pragma once

#include "platform/browser.h"
#include "platform/ui.h"

#include <memory>

namespace fluvane::windows {

// The recommendation window as designed: a small borderless window off the
// taskbar, filled by a pane larger than itself, so that the page's edges and
// scroll bars lie outside it.
class hitDesign {
public:
    static constexpr int kDesignWidth = 263;  // client area, pixels (3945 x 2685 twips)
    static constexpr int kDesignHeight = 179;

    explicit hitDesign(platform::Ui& ui);
    hitDesign(const hitDesign&) = delete;
    hitDesign& operator=(const hitDesign&) = delete;

    platform::Form& form() { return *form_; }

    platform::BrowserPane* w;  // the loading page, then the recommendation page

protected:
    std::unique_ptr<platform::Form> form_;
};

}  // namespace fluvane::windows

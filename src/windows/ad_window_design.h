#pragma once

#include "platform/browser.h"
#include "platform/ui.h"

#include <memory>

namespace fluvane::windows {

// The design the pop-up and exit advertisement windows share: a borderless
// window, off the taskbar, filled by one pane and framed by four strips.
class AdWindowDesign {
public:
    static constexpr int kDesignWidth = 343;  // client area, pixels (5145 x 3615 twips)
    static constexpr int kDesignHeight = 241;

    AdWindowDesign(const AdWindowDesign&) = delete;
    AdWindowDesign& operator=(const AdWindowDesign&) = delete;

    platform::Form& form() { return *form_; }

    platform::BrowserPane* w;  // the advertisement page
    platform::Label* L1;       // advertisement width text, hidden
    platform::Label* l2;       // advertisement height text, hidden
    platform::Surface* P1;     // frame strip, left
    platform::Surface* P2;     // frame strip, top
    platform::Surface* P3;     // frame strip, right
    platform::Surface* P4;     // frame strip, bottom

protected:
    // The pane lies at `browserOffset` (twips), a little outside the window,
    // so its own border does not show.
    AdWindowDesign(platform::Ui& ui, platform::Point browserOffset);

    std::unique_ptr<platform::Form> form_;
};

}  // namespace fluvane::windows

#pragma once

#include "platform/browser.h"
#include "platform/ui.h"

#include <memory>

namespace fluvane::windows {

// The side float window as designed: a narrow borderless window off the
// taskbar, a title strip with a close button over a content box that holds
// the pane, inside a one-pixel frame. Its pictures are stored with the program.
class fMainDesign {
public:
    static constexpr int kDesignWidth = 149;  // client area, pixels (2235 x 9345 twips)
    static constexpr int kDesignHeight = 623;
    static constexpr int kTitleHeight = 41;          // the title strip, below the frame's top line
    static constexpr int kCloseNormalPicture = 311;  // 24 x 24
    static constexpr int kCloseHoverPicture = 312;

    explicit fMainDesign(platform::Ui& ui);
    fMainDesign(const fMainDesign&) = delete;
    fMainDesign& operator=(const fMainDesign&) = delete;

    platform::Form& form() { return *form_; }

    platform::Surface* P;                           // title strip; drag area
    platform::Image* I1;                            // close button
    platform::Image* i2;                            // its normal picture, hidden holder
    platform::Image* i3;                            // its hover picture, hidden holder
    platform::Surface* P1;                          // content box
    platform::BrowserPane* w;                       // the loading page, then the portal's feed
    platform::Line *Line1, *Line2, *Line3, *Line4;  // frame: top, left, right, bottom

protected:
    std::unique_ptr<platform::Form> form_;
};

}  // namespace fluvane::windows

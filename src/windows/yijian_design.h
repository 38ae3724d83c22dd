#pragma once

#include "platform/browser.h"
#include "platform/ui.h"

#include <array>
#include <memory>

namespace fluvane::windows {

// The feedback window as designed: a painted title bar with a close button
// over a content box that holds the pane. Its pictures are stored with the
// program.
class yijianDesign {
public:
    static constexpr int kDesignWidth = 513;  // client area, pixels
    static constexpr int kDesignHeight = 302;
    static constexpr int kTitlePicture = 331;        // 3000 x 45 title strip
    static constexpr int kCloseButtonPicture = 332;  // 96 x 25: normal, hover, pressed frames
    static constexpr platform::Color kForeColor = platform::Color::rgb(255, 255, 255);
    static inline const platform::Font kFont{"黑体", 10.5};

    explicit yijianDesign(platform::Ui& ui);
    yijianDesign(const yijianDesign&) = delete;
    yijianDesign& operator=(const yijianDesign&) = delete;

    platform::Form& form() { return *form_; }

    platform::Image* Image1;                        // title-bar strip, hidden holder
    platform::Image* Image4;                        // close-button frames, hidden holder
    std::array<platform::Label*, 1> Button1;        // close button: a hit area over the painted one
    platform::Surface* P1;                          // content box
    platform::BrowserPane* WebBrowser1;             // the local page, then the guestbook
    platform::Line *Line1, *Line2, *Line3, *Line4;  // frame under the title bar: top, left, right, bottom
    platform::Line* Line5;                          // the title bar's lower edge at the design width

protected:
    std::unique_ptr<platform::Form> form_;
};

}  // namespace fluvane::windows

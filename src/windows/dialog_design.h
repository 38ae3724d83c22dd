#pragma once

#include "platform/ui.h"

#include <memory>
#include <string>

namespace fluvane::windows {

// The pictures of a dialog, by resource number.
struct DialogPictures {
    int background;    // 390 x 270
    int buttonNormal;  // 118 x 64
    int buttonHover;
    int closeNormal;  // 38 x 26
    int closeHover;
};

// What the settings and about windows share: a borderless window off the
// taskbar, a background picture that drags the window, a title, a button
// and a close button with their normal and hover pictures, and a frame.
class DialogDesign {
public:
    static constexpr int kDesignWidth = 391;  // client area, pixels (5865 x 4065 twips)
    static constexpr int kDesignHeight = 271;

    DialogDesign(const DialogDesign&) = delete;
    DialogDesign& operator=(const DialogDesign&) = delete;

    platform::Form& form() { return *form_; }

    platform::Image* Image1;                        // background; drag area
    platform::Label* Label1;                        // title; drag area
    platform::Image* Image2;                        // the window's button
    platform::Image* Image3;                        // its normal picture, hidden holder
    platform::Image* Image4;                        // its hover picture, hidden holder
    platform::Image* Image5;                        // close button
    platform::Image* Image6;                        // its normal picture, hidden holder
    platform::Image* Image7;                        // its hover picture, hidden holder
    platform::Line *Line1, *Line2, *Line3, *Line4;  // frame: top, left, right, bottom

protected:
    // `buttonTop`: where the window's button lies, in pixels.
    DialogDesign(platform::Ui& ui, const std::string& title, const DialogPictures& pictures, int buttonTop);

    std::unique_ptr<platform::Form> form_;
};

}  // namespace fluvane::windows

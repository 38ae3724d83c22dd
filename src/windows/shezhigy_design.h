#pragma once

#include "windows/dialog_design.h"

#include <string>

namespace fluvane::windows {

// The about window as designed: its background names the product; a link
// label carries the portal's home address.
class shezhigyDesign : public DialogDesign {
public:
    // Pictures stored with the program.
    static constexpr DialogPictures kPictures{324, 325, 326, 327, 328};
    static constexpr platform::Color kLinkColor = platform::Color::rgb(0, 0, 255);
    static constexpr platform::Color kLinkHoverColor = platform::Color::rgb(255, 0, 0);

    // `homeUrl`: the portal address fixed in the program.
    shezhigyDesign(platform::Ui& ui, const std::string& homeUrl);

    platform::Label* Label18;  // link to the portal's home page
};

}  // namespace fluvane::windows

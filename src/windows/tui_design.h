#pragma once

#include "windows/ad_window_design.h"

namespace fluvane::windows {

// The exit advertisement as designed: it keeps its own copy of the portal
// address, since the main window is gone while it shows.
class tuiDesign : public AdWindowDesign {
public:
    explicit tuiDesign(platform::Ui& ui);

    platform::Label* dizhi;  // portal base URL, hidden
};

}  // namespace fluvane::windows

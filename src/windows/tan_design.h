#pragma once

#include "windows/ad_window_design.h"

namespace fluvane::windows {

// The pop-up advertisement as designed; placed in the screen's bottom-right
// corner when it loads.
class tanDesign : public AdWindowDesign {
public:
    explicit tanDesign(platform::Ui& ui);
};

}  // namespace fluvane::windows

#pragma once

#include "platform/ui.h"

#include <memory>

namespace fluvane::windows {

// The tip window as designed: a one-line message strip.
class FrmAppTipDesign {
public:
    static constexpr int kDesignWidth = 356;  // client area, pixels (5340 x 495 twips)
    static constexpr int kDesignHeight = 33;

    explicit FrmAppTipDesign(platform::Ui& ui);
    FrmAppTipDesign(const FrmAppTipDesign&) = delete;
    FrmAppTipDesign& operator=(const FrmAppTipDesign&) = delete;

    platform::Form& form() { return *form_; }

    platform::Label* Label1;  // the message

protected:
    std::unique_ptr<platform::Form> form_;
};

}  // namespace fluvane::windows

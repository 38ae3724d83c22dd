#include "windows/tui_design.h"

namespace fluvane::windows {

tuiDesign::tuiDesign(platform::Ui& ui) : AdWindowDesign(ui, {-45, -10}) {
    dizhi = &form_->addLabel();
    dizhi->setVisible(false);
}

}  // namespace fluvane::windows

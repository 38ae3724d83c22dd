#include "windows/tan_design.h"

namespace fluvane::windows {

tanDesign::tanDesign(platform::Ui& ui) : AdWindowDesign(ui, {-40, -10}) {}

}  // namespace fluvane::windows

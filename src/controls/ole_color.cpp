#include "controls/ole_color.h"

namespace fluvane::controls {

platform::Color TranslateColor(OleColor color, const platform::Ui& ui) {
    constexpr OleColor kSystemColor = 0x80000000u;
    if (color & kSystemColor) return ui.systemColor(static_cast<int>(color & ~kSystemColor));
    return platform::Color{color & 0x00FFFFFFu};
}

}  // namespace fluvane::controls

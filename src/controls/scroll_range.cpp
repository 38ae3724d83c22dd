#include "controls/scroll_range.h"

#include <algorithm>

namespace fluvane::controls {

void ScrollRange::setHidden(std::int64_t pixels) {
    hidden_ = std::max<std::int64_t>(pixels, 0);
    unitPixels_ = std::max<std::int64_t>((hidden_ + kLimit - 1) / kLimit, 1);
    maxUnits_ = static_cast<int>((hidden_ + unitPixels_ - 1) / unitPixels_);
}

int ScrollRange::unitsFor(std::int64_t top) const {
    if (unitPixels_ == 1) return static_cast<int>(std::clamp<std::int64_t>(top, 0, hidden_));
    if (top <= 0) return 0;
    if (top >= hidden_) return maxUnits_;
    const std::int64_t units = (top + unitPixels_ / 2) / unitPixels_;
    return static_cast<int>(std::clamp<std::int64_t>(units, 1, maxUnits_ - 1));
}

std::int64_t ScrollRange::pixelsFor(int units) const {
    if (units >= maxUnits_) return hidden_;
    return std::clamp<std::int64_t>(units * unitPixels_, 0, hidden_);
}

}  // namespace fluvane::controls

#pragma once

#include <cstdint>

namespace fluvane::controls {

// How far content can scroll, in pixels, put on a scroll bar whose values are
// 16-bit. Up to 32767 hidden pixels a bar unit is a pixel; beyond that a unit
// covers several pixels, and only the very top and the very end map to the
// bar's ends, so that a one-unit step from anywhere else always moves the bar.
class ScrollRange {
public:
    static constexpr std::int64_t kLimit = 32767;

    void setHidden(std::int64_t pixels);
    std::int64_t hidden() const { return hidden_; }
    // Pixels per bar unit: 1 below the limit.
    std::int64_t unitPixels() const { return unitPixels_; }
    int maxUnits() const { return maxUnits_; }

    int unitsFor(std::int64_t top) const;
    std::int64_t pixelsFor(int units) const;

private:
    std::int64_t hidden_ = 0;
    std::int64_t unitPixels_ = 1;
    int maxUnits_ = 0;
};

}  // namespace fluvane::controls

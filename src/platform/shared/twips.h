#pragma once

#include "platform/geometry.h"
#include "platform/shared/numbers.h"

namespace fluvane::platform::shared {

// The system places windows and a few containers in twips; the platform
// speaks pixels, at a fixed 15 twips per pixel. Every conversion rounds as
// the system's own do: to the nearest whole number, a half to the even one.
inline constexpr int kTwipsPerPixel = 15;

inline constexpr float pixelsToTwips(int pixels) { return static_cast<float>(pixels * kTwipsPerPixel); }
inline int twipsToPixels(double twips) { return nearestInteger(twips / kTwipsPerPixel); }

// As window positions are worked out for the window API: the twips rounded
// to a whole number, then divided, truncating.
inline int twipsToWholePixels(double twips) { return nearestInteger(twips) / kTwipsPerPixel; }

// A rectangle given in twips, placed in pixels.
inline platform::Rect twipsRect(double left, double top, double width, double height) {
    return platform::Rect::fromSize(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                                    twipsToPixels(height));
}

}  // namespace fluvane::platform::shared

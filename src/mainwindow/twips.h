#pragma once

#include "controls/rounding.h"
#include "platform/geometry.h"

namespace fluvane::mainwindow {

// The system places the window and a few containers in twips; the platform
// speaks pixels, at a fixed 15 twips per pixel.
inline constexpr int kTwipsPerPixel = 15;

inline constexpr float toTwips(int pixels) { return static_cast<float>(pixels * kTwipsPerPixel); }
inline int toPixels(double twips) { return controls::nearest(twips / kTwipsPerPixel); }

// A rectangle given in twips, placed in pixels.
inline platform::Rect twipsRect(double left, double top, double width, double height) {
    return platform::Rect::fromSize(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

}  // namespace fluvane::mainwindow

#pragma once

#include <cmath>

namespace fluvane::windows {

// The windows place and size themselves in twips, the platform in pixels.
inline constexpr int kTwipsPerPixel = 15;

// To the nearest pixel.
inline int TwipsToPixels(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

// As window positions are worked out for the window API: the twips rounded
// to a whole number, then divided, truncating.
inline int TwipsToWholePixels(double twips) { return static_cast<int>(std::lround(twips)) / kTwipsPerPixel; }

}  // namespace fluvane::windows

#pragma once

#include <cmath>

namespace fluvane::windows {

// The windows place and size themselves in twips, the platform in pixels.
inline constexpr int kTwipsPerPixel = 15;

// To the nearest pixel.
inline int TwipsToPixels(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

}  // namespace fluvane::windows

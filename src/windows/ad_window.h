#pragma once

#include "platform/ui.h"
#include "windows/ad_window_design.h"

#include <optional>
#include <string_view>

namespace fluvane::windows {

// What the pop-up and exit advertisement windows do alike.

// The window is a little smaller than its page, which hides the page's right
// and bottom edges: each advertisement pixel is this many twips of window.
inline constexpr double kAdHeightTwipsPerPixel = 14.1;

// An advertisement width or height from the server, in pixels, capped at the
// screen; nothing when it is missing, not a number or not positive.
std::optional<double> advertisementExtent(std::string_view text, int screenPixels);

// Sizes the window and its page from the texts in L1 and l2; a dimension
// without a usable text keeps its design size.
void sizeAdWindow(AdWindowDesign& window, platform::Ui& ui, double widthTwipsPerPixel);

// The four frame strips along the client edges.
void layOutFrameStrips(AdWindowDesign& window);

// The page asks to close its window: "close://" anywhere in the URL, in any
// letter case ("appclose://" too).
bool isCloseCommand(std::string_view url);

}  // namespace fluvane::windows

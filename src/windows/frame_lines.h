#pragma once

#include "platform/controls.h"

#include <array>

namespace fluvane::windows {

// A window's one-pixel frame along its client edges: top, left, right and
// bottom line, the top one at `top` (below a title bar, or 0).
void layOutFrameLines(const std::array<platform::Line*, 4>& lines, platform::Size client, int top);

}  // namespace fluvane::windows

#pragma once

#include "platform/controls.h"

namespace fluvane::mainwindow {

// Button pictures are strips of equal cells: normal, hover, pressed or selected.
inline platform::Rect spriteCell(int index, int width, int height) {
    return platform::Rect::fromSize(index * width, 0, width, height);
}

// Copies a rectangle of the holder's picture unscaled; a holder without a
// picture paints nothing.
inline void copyFrom(const platform::Image& holder, platform::Rect source, platform::Surface& target,
                     platform::Point at) {
    if (const auto picture = holder.picture()) target.canvas().copy(*picture, source, at);
}

}  // namespace fluvane::mainwindow

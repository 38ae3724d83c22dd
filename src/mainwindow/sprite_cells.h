#pragma once

#include "platform/controls.h"

namespace fluvane::mainwindow {

// The cells of the panel buttons' pictures.
inline constexpr platform::Size kHandleCell{10, 128};         // Image12, Image13
inline constexpr platform::Size kClearCell{21, 45};           // Image16
inline constexpr platform::Size kPlaylistButtonCell{19, 41};  // Image17

// Button pictures are strips of equal cells: normal, hover, pressed or selected.
inline platform::Rect spriteCell(int index, platform::Size cell) {
    return platform::Rect::fromSize(index * cell.width, 0, cell.width, cell.height);
}

// Copies a rectangle of the holder's picture unscaled; a holder without a
// picture paints nothing.
inline void copyFrom(const platform::Image& holder, platform::Rect source, platform::Surface& target,
                     platform::Point at) {
    if (const auto picture = holder.picture()) target.canvas().copy(*picture, source, at);
}

}  // namespace fluvane::mainwindow

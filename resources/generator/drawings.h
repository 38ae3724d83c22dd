#pragma once

#include "image.h"

namespace fluvane::resources::generator {

// The transparent colour of the playlist marks.
inline constexpr std::uint32_t kMagenta = rgb(255, 0, 255);

// Each at `scale` (see Image).
Image playlistMarks(int scale);        // 101: group boxes, selection marker, delete mark
Image playlistBackgrounds(int scale);  // 102: hover row, selected row
Image scrollBarStrip(int scale);       // 103: arrows, track and thumb in all their looks
Image switchSprite(int scale);         // 104: on/off switch faces
// 201..205 on white; the skin icon on transparency.
Image programIcon(int size, std::uint32_t background, int scale);

}  // namespace fluvane::resources::generator

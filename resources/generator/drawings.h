#pragma once

#include "image.h"

namespace fluvane::resources::generator {

// The transparent colour of the playlist marks.
inline constexpr std::uint32_t kMagenta = rgb(255, 0, 255);

Image playlistMarks();        // 101: group boxes, selection marker, delete mark
Image playlistBackgrounds();  // 102: hover row, selected row
Image scrollBarStrip();       // 103: arrows, track and thumb in all their looks
Image switchSprite();         // 104: on/off switch faces
Image programIcon(int size);  // 201..205

}  // namespace fluvane::resources::generator

#pragma once

#include <cstdint>
#include <span>

namespace fluvane::resources {

// A bitmap compiled into the program: rows top to bottom, pixels 0x00RRGGBB.
struct Bitmap {
    int width = 0;
    int height = 0;
    std::span<const std::uint32_t> pixels;
};

// The bitmap with the given resource number, or an empty one if unknown.
// Numbers: 101 playlist marks (38 x 12, magenta key), 102 playlist row
// backgrounds (168 x 56), 103 scroll bar strip (16 x 130), 104 on/off switch
// sprite (99 x 38), 201..205 the program icon at 64, 48, 32, 24 and 16 pixels.
Bitmap FindBitmap(int id);

}  // namespace fluvane::resources

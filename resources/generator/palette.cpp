#include "palette.h"

namespace fluvane::resources::generator {

std::uint32_t titleRow(int y) {
    if (y < kTitleSeparatorRow) return mix(rgb(47, 47, 51), rgb(35, 35, 38), y / double(kTitleSeparatorRow - 1));
    if (y == kTitleSeparatorRow) return kSeparator;
    return kWindowBack;
}

std::uint32_t bottomBarRow(int y) {
    if (y == 0) return kSeparator;
    if (y == 1) return rgb(52, 52, 56);
    return mix(rgb(42, 42, 45), rgb(30, 30, 32), (y - 2) / 38.0);
}

Image rowsOf(std::uint32_t (*row)(int), int firstRow, int width, int height, int scale) {
    Image image(width, height, kTransparent, scale);
    for (int y = 0; y < height; ++y) image.fill(0, y, width, 1, row(firstRow + y));
    return image;
}

}  // namespace fluvane::resources::generator

#pragma once

#include "image.h"
#include "typeface.h"

#include <string>
#include <vector>

namespace fluvane::resources::generator {

struct SkinImage {
    std::string file;  // name in zelskin/skin
    Image image;
};

// The pictures of the main window's skin at `scale` (see Image).
std::vector<SkinImage> skinImages(const Typeface& typeface, int scale);

// The skin's window icon (zelskin/icon.ico) at 16, 24, 32, 48, 64, 128 and 256
// pixels: every size a screen of any scale asks for, so it has no 2x twin.
std::vector<Image> skinIconImages();

}  // namespace fluvane::resources::generator

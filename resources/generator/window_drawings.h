#pragma once

#include "image.h"
#include "typeface.h"

#include <vector>

namespace fluvane::resources::generator {

struct StoredPicture {
    int id;  // resource number, as fluvane_resources.h lists them
    Image image;
};

// The pictures the windows carry in their designs rather than in the skin:
// the main window's playlist panel, splitter and update icon, and the pictures
// of the side float, settings, about and feedback windows; at `scale` (see Image).
std::vector<StoredPicture> windowPictures(const Typeface& typeface, int scale);

}  // namespace fluvane::resources::generator

#include "look.h"

namespace fluvane::resources::generator {

Image buttonStrip(const std::vector<Look>& looks, const std::function<Image(Look)>& cell) {
    std::vector<Image> cells;
    for (Look look : looks) cells.push_back(cell(look));
    return sideBySide(cells);
}

}  // namespace fluvane::resources::generator

#pragma once

#include "image.h"

#include <functional>
#include <vector>

namespace fluvane::resources::generator {

// The looks of a button, in the order of its sprite cells.
enum class Look { Normal, Hover, Pressed };

// A strip of one cell per look, each drawn by `cell`.
Image buttonStrip(const std::vector<Look>& looks, const std::function<Image(Look)>& cell);

// The looks of a three-cell button: normal, hover, pressed (or selected).
inline const std::vector<Look> kThreeLooks = {Look::Normal, Look::Hover, Look::Pressed};

}  // namespace fluvane::resources::generator

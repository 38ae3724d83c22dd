#pragma once

#include "platform/geometry.h"

#include <QPalette>

namespace fluvane::platform::qt {

// The palette's colour for a system colour index (COLOR_WINDOW = 5,
// COLOR_BTNFACE = 15 …); black for an index the system does not know.
platform::Color systemColor(const QPalette& palette, int index);

}  // namespace fluvane::platform::qt

#pragma once

#include <cmath>

namespace fluvane::controls {

// The integer nearest to `value`, a half going to the even integer, as the
// system's own conversions round.
inline int nearest(double value) {
    return static_cast<int>(std::nearbyint(value));
}

}  // namespace fluvane::controls

#pragma once

#include "platform/geometry.h"
#include "platform/sim/sim_canvas.h"

#include <ostream>

// Readable failure messages for the values the logic tests compare.
namespace fluvane::platform {

inline void PrintTo(const Point& p, std::ostream* out) { *out << "(" << p.x << ", " << p.y << ")"; }
inline void PrintTo(const Rect& r, std::ostream* out) {
    *out << "(" << r.left << ", " << r.top << ") " << r.width() << " x " << r.height();
}

namespace sim::draw {
inline void PrintTo(const Copy& c, std::ostream* out) {
    *out << "copy " << c.picture.file.filename().string() << " #" << c.picture.resourceId << " ";
    platform::PrintTo(c.source, out);
    *out << " to ";
    platform::PrintTo(c.destination, out);
}
}  // namespace sim::draw

}  // namespace fluvane::platform

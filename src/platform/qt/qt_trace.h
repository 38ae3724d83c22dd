#pragma once

#include <QString>

namespace fluvane::qtplatform {

// With FLUVANE_TRACE=1, writes "first paint: <caption> <ms> ms" to stderr,
// the milliseconds counted from the start of the process.
void traceFirstPaint(const QString& caption);

}  // namespace fluvane::qtplatform

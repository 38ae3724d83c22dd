#pragma once

#include <QString>

namespace fluvane::platform::qt {

// With FLUVANE_TRACE=1, writes "first paint: <caption> <ms> ms" to stderr,
// the milliseconds counted from the start of the process.
void traceFirstPaint(const QString& caption);

}  // namespace fluvane::platform::qt

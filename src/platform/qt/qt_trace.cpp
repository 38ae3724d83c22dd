#include "platform/qt/qt_trace.h"

namespace fluvane::platform::qt {

TraceHooks& traceHooks() {
    static TraceHooks hooks;
    return hooks;
}

}  // namespace fluvane::platform::qt

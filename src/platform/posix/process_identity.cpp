#include "platform/posix/process_identity.h"

#include <unistd.h>

namespace fluvane::platform::posix {

bool runsAsSuperuser() { return geteuid() == 0; }

}  // namespace fluvane::platform::posix

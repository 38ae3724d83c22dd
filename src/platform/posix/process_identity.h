#pragma once

namespace fluvane::platform::posix {

// The process runs with the superuser's rights, under which the browser
// engine cannot sandbox its renderers.
bool runsAsSuperuser();

}  // namespace fluvane::platform::posix

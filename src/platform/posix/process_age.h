#pragma once

#include <optional>

namespace fluvane::platform::posix {

// How long this process has run, in milliseconds, from its start in the
// kernel's clock, so that the loading of the program and its libraries
// counts too; nothing where the process table cannot tell.
std::optional<double> processAgeMilliseconds();

}  // namespace fluvane::platform::posix

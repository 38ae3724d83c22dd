#pragma once

#include <optional>

namespace fluvane::platform::posix {

// Turns SIGTERM, SIGINT and SIGHUP into a byte on a pipe, whose reading end
// this returns for an event loop to watch; a second signal of the same kind
// ends the process at once. Nothing where no pipe can be made. Call once.
std::optional<int> terminationSignalPipe();

// Empties the pipe after the loop has seen it become readable.
void drainTerminationSignals(int pipe);

}  // namespace fluvane::platform::posix

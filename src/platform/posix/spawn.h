#pragma once

#include <string>
#include <vector>

namespace fluvane::platform::posix {

// Starts program with the argument vector (never through a shell) and returns
// once it exists. A thread waits for that one child, so it leaves no zombie
// and a waitpid of other code on its own children is never disturbed.
// searchPath: look a bare program name up in PATH. The child gets this
// process's environment without QTWEBENGINE_DISABLE_SANDBOX.
bool spawnDetached(const std::string& program, const std::vector<std::string>& arguments, bool searchPath);

}  // namespace fluvane::platform::posix

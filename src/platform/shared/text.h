#pragma once

#include <string>
#include <string_view>

namespace fluvane::platform::shared {

// ASCII letters in lower case, every other byte kept: UTF-8 and GBK text
// stays intact, as in the system's own case-blind tests of schemes, keys and
// image names.
char lowerAscii(char c);
std::string lowerAscii(std::string_view text);
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);
bool startsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix);

// Whether a process of imageName is one of wantedName: the same name in any
// letter case, and "X.exe" also names a process "X" (executables on POSIX).
bool imageNameMatches(std::string_view wantedName, std::string_view imageName);

}  // namespace fluvane::platform::shared

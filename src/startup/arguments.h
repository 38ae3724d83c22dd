#pragma once

#include "platform/services.h"

#include <optional>
#include <string>
#include <string_view>

namespace fluvane::startup {

// The scrambled form of a desktop shortcut's argument (title + "#@@" + URL).
// The scrambling works on code page 936 character codes: a two-byte character
// is shifted by 5, printable ASCII is rotated by ROT47, everything else stays.
//
// Encoding takes UTF-8 text and gives the bytes that go on the command line.
// A shifted two-byte character may no longer be a valid GBK character (trail
// byte 0x3B-0x3F or 0x7F); it is kept as those raw bytes, which a command line
// carries unchanged, and decoding restores it exactly. NUL bytes cannot cross a
// command line, so encoding drops them.
std::string EncodeArguments(const platform::CodePage& codePage, std::string_view text);

// Decoding takes command-line bytes and gives UTF-8 text. Bytes that do not
// decode to a GBK character (a damaged or hand-made argument) become U+FFFD.
std::string DecodeArguments(const platform::CodePage& codePage, std::string_view argument);

// What a start from a desktop shortcut opens: the page URL, named by the title.
struct ShortcutArgument {
    std::string title;
    std::string pageUrl;
};

// The argument text before scrambling: title + "#@@" + page URL. A title
// cannot carry "#@@" into the argument: each one in it becomes "# @@", so the
// first "#@@" always ends the title.
std::string composeShortcutArgument(std::string_view title, std::string_view pageUrl);

// A decoded argument split at every "#@@": the first part is the title, the
// second the page URL. Nothing unless there are two parts at least and the
// second is an http(s) URL with a host; the command line is outside the
// client's control, so nothing else is ever navigated to.
std::optional<ShortcutArgument> parseShortcutArgument(std::string_view decoded);

}  // namespace fluvane::startup

#pragma once

#include <string>
#include <string_view>

// Arguments are bytes, but a desktop entry's Exec line must be UTF-8 (GLib
// refuses to launch an entry whose Exec is not) without control characters,
// and a shortcut's scrambled argument holds code page 936 bytes, some of them
// paired into no character at all, and keeps the control characters of its
// title. Every byte that is not part of valid UTF-8, and every ASCII control
// character, therefore travels as the private-use character U+F700 + byte;
// the program turns those back into bytes.
namespace fluvane::platform::posix {

// Valid UTF-8 stays as it is, except characters of the escape range
// U+F700-U+F7FF itself, whose bytes are escaped too so that the trip is lossless.
std::string utf8ForTransport(std::string_view bytes);
std::string bytesFromTransport(std::string_view utf8);

}  // namespace fluvane::platform::posix

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// INI text as the Windows profile functions read and edit it. Everything works
// on the bytes of the file so that an edit leaves every other byte as it was.
// Lines end at CR, LF or CR LF. Names compare per character, so in code page
// 936 a trail byte that happens to be an ASCII letter or bracket is never
// mistaken for one; in UTF-8 no byte of a longer character is ASCII, so bytes
// serve as characters.
namespace fluvane::platform::posix::ini {

enum class Encoding { Gbk, Utf8 };

// The byte length of the code page 936 character at text[at]: 2 for a lead
// byte 0x81-0xFE followed by a trail byte 0x40-0xFE other than 0x7F, else 1.
std::size_t characterLength(std::string_view text, std::size_t at);

// The value of key in the first section named section, blanks around it
// removed; nullopt when the section, the key or its '=' is missing.
std::optional<std::string_view> findValue(std::string_view text, std::string_view section, std::string_view key,
                                          Encoding encoding = Encoding::Gbk);

// What the read of a found value (or of the fallback) hands out: the code
// page 936 text up to a NUL, one pair of matching surrounding quotes removed,
// cut to at most bufferSize - 1 bytes without splitting a character.
std::string copyOut(std::string_view value, std::size_t bufferSize);

// The text with key set to value: the key's line rewritten in place, or the
// key added after the last line of its section, or the section appended, with
// the line break the text uses first (CR LF in a text without one).
// nullopt when the names or value cannot be stored so that they read back
// (a line break anywhere, '=' in the key, a key opening with '[', a section
// ending in a lead byte that would pair with the closing ']').
std::optional<std::string> withValue(std::string_view text, std::string_view section, std::string_view key,
                                     std::string_view value, Encoding encoding = Encoding::Gbk);

}  // namespace fluvane::platform::posix::ini

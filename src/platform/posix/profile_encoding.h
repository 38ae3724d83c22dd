#pragma once

#include <string>
#include <string_view>

// How a profile file stores its text. As with the Windows profile functions,
// a file is in the ANSI code page unless it opens with a byte-order mark of
// UTF-8 or UTF-16; a file keeps its encoding when it is written.
namespace fluvane::platform::posix {

enum class FileEncoding { Ansi, Utf8, Utf16Le, Utf16Be };

struct DecodedFile {
    FileEncoding encoding = FileEncoding::Ansi;
    // The bytes themselves for Ansi, else UTF-8 without the byte-order mark.
    std::string text;
    // Whether encoding text gives the file back byte for byte. UTF-16 with a
    // lone surrogate or an odd byte at the end does not: the bad units read
    // as U+FFFD, and such a file must not be rewritten.
    bool exact = true;
};

DecodedFile decodeProfileFile(std::string_view bytes);

// The bytes of a file of that encoding holding text, byte-order mark included;
// bytes of text that are not UTF-8 become U+FFFD in UTF-16.
std::string encodeProfileFile(FileEncoding encoding, std::string_view text);

}  // namespace fluvane::platform::posix

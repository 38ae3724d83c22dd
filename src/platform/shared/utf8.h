#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace fluvane::platform::shared::utf8 {

// The length of the well-formed UTF-8 sequence at text[at], with its code
// point in `code`; 0 when there is none (stray, overlong, surrogate or cut
// sequences).
std::size_t sequenceAt(std::string_view text, std::size_t at, char32_t& code);

void append(std::string& out, char32_t code);

// The longest start of text of at most maxBytes that ends between sequences;
// a byte that belongs to no well-formed sequence counts as one of its own.
std::string_view prefix(std::string_view text, std::size_t maxBytes);

// The text with every byte that is not part of well-formed UTF-8 replaced by U+FFFD.
std::string repaired(std::string_view text);

}  // namespace fluvane::platform::shared::utf8

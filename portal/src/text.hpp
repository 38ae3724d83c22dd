#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace portal {

// Text for HTML element content and attribute values.
std::string html_escape(std::string_view text);

// Number of characters in strict UTF-8 text, or nothing for text that is not
// UTF-8 or holds a control character (C0, DEL; C1 too, as no form sends one)
// other than a line break or tab where `allow_breaks`.
std::optional<std::size_t> utf8_length(std::string_view text, bool allow_breaks);

std::string to_hex(std::string_view bytes);

}  // namespace portal

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

// Base64url without padding: only letters, digits, '-' and '_', which
// pass unchanged through cookies, headers and the HTTP library (which
// percent-decodes header values as it reads them).
std::string base64url_encode(std::string_view bytes);

// The bytes of canonical unpadded base64url text, or nothing for any other text.
std::optional<std::string> base64url_decode(std::string_view text);

std::string to_hex(std::string_view bytes);

}  // namespace portal

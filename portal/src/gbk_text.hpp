#pragma once

#include <string>
#include <string_view>

namespace portal {

// Replaces an ASCII placeholder in GBK text. The scan steps over double-byte
// characters whole, because a GBK trail byte may equal an ASCII letter or
// brace and must never start or end a match.
std::string replace_in_gbk(std::string_view text, std::string_view placeholder,
                           std::string_view replacement);

}  // namespace portal

#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace fluvane::platform::shared {

// Numbers as people and servers write them: spaces around them do not count,
// and a sign, "+" or "-", may lead. Nothing for any other text, for a number
// out of range or one that is not finite.
std::optional<std::int64_t> wholeNumber(std::string_view text);
std::optional<double> decimalNumber(std::string_view text);

}  // namespace fluvane::platform::shared

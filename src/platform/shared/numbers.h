#pragma once

#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>

namespace fluvane::platform::shared {

// Numbers as people and servers write them: spaces around them do not count,
// and a sign, "+" or "-", may lead. Nothing for any other text, for a number
// out of range or one that is not finite.
std::optional<std::int64_t> wholeNumber(std::string_view text);
std::optional<double> decimalNumber(std::string_view text);

// The whole number nearest to `value`, a half going to the even one, as the
// system's own conversions round.
inline int nearestInteger(double value) { return static_cast<int>(std::nearbyint(value)); }

}  // namespace fluvane::platform::shared

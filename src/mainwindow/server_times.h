#pragma once

#include "platform/shared/numbers.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

namespace fluvane::mainwindow {

// A server time in whole seconds ("+300" and " 300 " too); anything else
// (empty, fractional, zero, negative or beyond 32 bits) switches the timed
// behaviour off, instead of firing every tick or counting down for ever.
inline std::optional<std::int32_t> PositiveSeconds(std::string_view text) {
    const auto value = platform::shared::wholeNumber(text);
    if (!value || *value <= 0 || *value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    return static_cast<std::int32_t>(*value);
}

}  // namespace fluvane::mainwindow

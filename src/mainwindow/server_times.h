#pragma once

#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>

namespace fluvane::mainwindow {

// A server time in whole seconds; anything else (empty, fractional, zero or
// negative) switches the timed behaviour off, instead of firing every tick or
// counting down for ever.
inline std::optional<std::int32_t> PositiveSeconds(std::string_view text) {
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value <= 0) return std::nullopt;
    return value;
}

}  // namespace fluvane::mainwindow

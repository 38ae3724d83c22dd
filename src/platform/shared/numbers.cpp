#include "platform/shared/numbers.h"

#include <charconv>
#include <cmath>

namespace fluvane::platform::shared {

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

// from_chars takes neither the spaces around a number nor a leading "+".
template <class Number>
std::optional<Number> parsed(std::string_view text) {
    while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
    if (text.starts_with('+')) {
        text.remove_prefix(1);
        if (text.starts_with('-')) return std::nullopt;
    }
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

std::optional<std::int64_t> wholeNumber(std::string_view text) { return parsed<std::int64_t>(text); }

std::optional<double> decimalNumber(std::string_view text) {
    const auto value = parsed<double>(text);
    if (!value || !std::isfinite(*value)) return std::nullopt;
    return value;
}

}  // namespace fluvane::platform::shared

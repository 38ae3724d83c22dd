#include "http_fields.hpp"

#include <algorithm>
#include <charconv>
#include <limits>

namespace portal {

namespace {

constexpr std::string_view kSpaces = " \t";

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(kSpaces);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kSpaces) - first + 1);
}

bool equal_ignoring_case(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

bool all_digits(std::string_view text) {
    if (text.empty()) return false;
    for (const char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

// A run of digits; one too large for 64 bits reads as the largest value,
// which is past the end of any content.
std::uint64_t digits_value(std::string_view digits) {
    std::uint64_t value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    (void)end;
    return ec == std::errc::result_out_of_range ? std::numeric_limits<std::uint64_t>::max() : value;
}

// The opaque tag (quotes included) of an entity tag at the start of `text`,
// and the rest of the text; nothing when the text does not start with one.
std::optional<std::pair<std::string_view, std::string_view>> next_entity_tag(std::string_view text, bool& weak) {
    weak = text.starts_with("W/");
    if (weak) text.remove_prefix(2);
    if (text.empty() || text.front() != '"') return std::nullopt;
    std::size_t end = 1;
    while (end < text.size() && text[end] != '"') {
        const auto c = static_cast<unsigned char>(text[end]);
        if (c < 0x21 || c == 0x7F) return std::nullopt;
        ++end;
    }
    if (end == text.size()) return std::nullopt;
    return std::pair{text.substr(0, end + 1), text.substr(end + 1)};
}

}  // namespace

std::string format_http_date(std::time_t when) {
    std::tm parts{};
    gmtime_r(&when, &parts);
    char text[40];
    const std::size_t length = std::strftime(text, sizeof text, "%a, %d %b %Y %H:%M:%S GMT", &parts);
    return std::string(text, length);
}

std::optional<std::time_t> parse_http_date(std::string_view text) {
    // strptime needs a terminated string; no HTTP-date is longer than this.
    if (text.size() > 40) return std::nullopt;
    const std::string value(trimmed(text));
    // IMF-fixdate, then the obsolete RFC 850 and asctime forms. The process
    // never sets a locale, so the day and month names are the English ones.
    for (const char* format : {"%a, %d %b %Y %H:%M:%S GMT", "%A, %d-%b-%y %H:%M:%S GMT", "%a %b %d %H:%M:%S %Y"}) {
        std::tm parts{};
        const char* end = strptime(value.c_str(), format, &parts);
        if (end != nullptr && *end == '\0') {
            const std::time_t when = timegm(&parts);
            if (when != static_cast<std::time_t>(-1)) return when;
        }
    }
    return std::nullopt;
}

bool entity_tag_list_matches(std::string_view list, std::string_view etag) {
    list = trimmed(list);
    if (list == "*") return true;
    bool etag_weak = false;
    const auto ours = next_entity_tag(etag, etag_weak);
    if (!ours) return false;
    while (true) {
        while (!list.empty() && (list.front() == ',' || kSpaces.find(list.front()) != std::string_view::npos))
            list.remove_prefix(1);
        if (list.empty()) return false;
        bool weak = false;
        const auto tag = next_entity_tag(list, weak);
        if (!tag) return false;
        if (tag->first == ours->first) return true;
        list = tag->second;
        if (!list.empty() && list.front() != ',' && kSpaces.find(list.front()) == std::string_view::npos) return false;
    }
}

bool entity_tag_strongly_equal(std::string_view tag, std::string_view etag) {
    tag = trimmed(tag);
    bool weak = false;
    const auto parsed = next_entity_tag(tag, weak);
    return parsed && !weak && parsed->second.empty() && tag == etag;
}

RangeRequest parse_range(std::string_view value, std::uint64_t size) {
    value = trimmed(value);
    const auto equals = value.find('=');
    if (equals == std::string_view::npos || !equal_ignoring_case(trimmed(value.substr(0, equals)), "bytes"))
        return WholeContent{};
    const std::string_view wanted = trimmed(value.substr(equals + 1));
    // Several ranges are answered with the whole content: simpler than a
    // multipart answer, and never larger than the file however the ranges
    // overlap.
    if (wanted.find(',') != std::string_view::npos) return WholeContent{};
    const auto dash = wanted.find('-');
    if (dash == std::string_view::npos) return WholeContent{};
    const std::string_view from = wanted.substr(0, dash);
    const std::string_view to = wanted.substr(dash + 1);
    if (from.empty()) {
        if (!all_digits(to)) return WholeContent{};
        const std::uint64_t suffix = digits_value(to);
        if (suffix == 0 || size == 0) return Unsatisfiable{};
        return ByteSpan{size - std::min(suffix, size), size - 1};
    }
    if (!all_digits(from) || (!to.empty() && !all_digits(to))) return WholeContent{};
    const std::uint64_t first = digits_value(from);
    const std::uint64_t last = to.empty() ? std::numeric_limits<std::uint64_t>::max() : digits_value(to);
    if (last < first) return WholeContent{};
    if (first >= size) return Unsatisfiable{};
    return ByteSpan{first, std::min(last, size - 1)};
}

}  // namespace portal

#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace portal {

// The name under which routes find a request's Range field: the server
// renames the field before the HTTP library reads the request, so that the
// library neither refuses nor applies ranges itself.
constexpr std::string_view kRangeField = "X-Rng";

// An HTTP-date in its preferred form, "Sun, 06 Nov 1994 08:49:37 GMT".
std::string format_http_date(std::time_t when);

// Any of the three HTTP-date forms a recipient must accept; nothing for
// anything else, trailing text included.
std::optional<std::time_t> parse_http_date(std::string_view text);

// Whether an If-None-Match value ("*" or a list of entity tags) matches the
// strong tag `etag` (quotes included) by weak comparison. A malformed list
// matches nothing past the fault, so the full answer is sent.
bool entity_tag_list_matches(std::string_view list, std::string_view etag);

// Whether an If-Range entity tag is the same as `etag` by strong comparison.
bool entity_tag_strongly_equal(std::string_view tag, std::string_view etag);

struct WholeContent {};  // no Range, one we do not serve (several ranges), or an invalid one
struct ByteSpan {
    std::uint64_t first = 0;
    std::uint64_t last = 0;  // inclusive
};
struct Unsatisfiable {};
using RangeRequest = std::variant<WholeContent, ByteSpan, Unsatisfiable>;

// Reads a Range value against content of `size` bytes: a single
// "bytes=a-b", "bytes=a-" or "bytes=-n" is a span (clamped to the content),
// one that starts past the end (or any range of empty content) is
// unsatisfiable. Several ranges, other units and invalid text ask for the
// whole content, as a server may always answer with it.
RangeRequest parse_range(std::string_view value, std::uint64_t size);

}  // namespace portal

#include "playerapp/player_arguments.h"
#include "platform/shared/text.h"

namespace fluvane::playerapp {
namespace {

constexpr std::string_view kSeparator = "###";

bool isWebScheme(std::string_view scheme) {
    return platform::shared::equalsIgnoringAsciiCase(scheme, "http") ||
           platform::shared::equalsIgnoringAsciiCase(scheme, "https");
}

}  // namespace

PlayerArguments parsePlayerArgument(std::string_view argument) {
    PlayerArguments parsed;
    std::string_view rest = argument;
    for (std::string& field : parsed.fields) {
        const std::size_t end = rest.find(kSeparator);
        if (end == std::string_view::npos) {
            field = rest;
            return parsed;
        }
        field = rest.substr(0, end);
        rest.remove_prefix(end + kSeparator.size());
    }
    if (rest.ends_with(kSeparator)) rest.remove_suffix(kSeparator.size());
    parsed.url = rest;
    return parsed;
}

bool isWebAddress(std::string_view url) {
    const std::size_t colon = url.find(':');
    if (colon == std::string_view::npos || !isWebScheme(url.substr(0, colon))) return false;
    const std::string_view authority = url.substr(colon + 1);
    return authority.starts_with("//") && authority.size() > 2 &&
           std::string_view("/?#").find(authority[2]) == std::string_view::npos;
}

}  // namespace fluvane::playerapp

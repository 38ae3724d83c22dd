#pragma once

#include <array>
#include <string>
#include <string_view>

namespace fluvane::playerapp {

// The program's one argument, as the client builds it from a portal link:
// field 0 + "###" + field 1 + "###" + field 2 + "###" + URL + "###".
struct PlayerArguments {
    std::array<std::string, 3> fields;  // from the link's fragment; field 0 names the window
    std::string url;                    // the page to show
};

// The fields never hold "###", but the URL usually does: it is the link whose
// fragment carried them. So only the first three separators split, and one
// separator at the end closes the URL. Parts that are missing stay empty.
PlayerArguments parsePlayerArgument(std::string_view argument);

// An http(s) address with a host: the only kind the program shows.
bool isWebAddress(std::string_view url);

}  // namespace fluvane::playerapp

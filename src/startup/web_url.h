#pragma once

#include <string_view>

namespace fluvane::startup {

// Whether url is an http or https address (scheme in any letter case) with a
// host: the only kind of address that text from the portal or the command
// line may make the client open or navigate to.
bool IsWebUrl(std::string_view url);

}  // namespace fluvane::startup

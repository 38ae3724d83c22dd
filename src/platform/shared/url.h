#pragma once

#include <string>
#include <string_view>

namespace fluvane::platform::shared {

// The origin of an absolute http(s) URL as browsers write it: scheme and host
// in lower case, "http://host:port" with the default port left out, without
// user information. Empty for anything else.
std::string webOrigin(std::string_view url);

// Whether url is an http or https address (scheme in any letter case) with a
// host: the only kind of address that text from the portal or the command
// line may make the client open or navigate to.
bool isWebUrl(std::string_view url);

}  // namespace fluvane::platform::shared

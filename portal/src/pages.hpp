#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace httplib {
struct Request;
}

namespace portal {

class Membership;

// Library pages hold their sign-in link between these markers; for a member
// the server puts the member's name (and a sign-out link) there instead.
constexpr std::string_view kSignInBegin = "<!--signin-->";
constexpr std::string_view kSignInEnd = "<!--/signin-->";

bool has_sign_in_slot(std::string_view page);

// `page` for the request's member, if any; unchanged for everyone else.
std::string personalised(std::string page, const std::optional<std::string>& member);

std::optional<std::string> member_of(const httplib::Request& req, const Membership& membership);

}  // namespace portal

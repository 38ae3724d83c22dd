#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace portal {

// The portal's sign-in: a member chooses a name and keeps it in a cookie.
// The cookie carries the name in base64url with a keyed MAC, so a name
// set by hand or altered reads as signed out. The key is drawn afresh at
// every start, so a restart signs everyone out.
class Membership {
public:
    static constexpr std::size_t kMaxNameChars = 20;
    static constexpr std::string_view kCookieName = "tcab_member";
    static constexpr long kCookieSeconds = 365L * 24 * 60 * 60;

    Membership();

    // The name as it will be shown: surrounding spaces removed; nothing
    // unless it is UTF-8 of 1 to kMaxNameChars characters without controls.
    static std::optional<std::string> valid_name(std::string_view name);

    // The Set-Cookie value that signs `name` (a valid name) in, and the one
    // that signs out.
    std::string sign_in_cookie(std::string_view name) const;
    static std::string sign_out_cookie();

    // The signed-in name carried by a request's Cookie header values, if the
    // first tcab_member cookie among them is one this server issued.
    std::optional<std::string> name_from_cookies(std::span<const std::string> headers) const;

private:
    std::string mac(std::string_view name) const;

    std::array<unsigned char, 32> key_{};
};

}  // namespace portal

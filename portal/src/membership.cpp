#include "membership.hpp"

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/hmac.h>
#include <openssl/rand.h>

#include <algorithm>
#include <stdexcept>

#include "text.hpp"

namespace portal {

namespace {

constexpr std::size_t kMacBytes = 16;
// An encoded name of kMaxNameChars characters of four bytes each, a dot and the MAC.
constexpr std::size_t kMaxCookieValue = (Membership::kMaxNameChars * 4 * 4 + 2) / 3 + 1 + kMacBytes * 2;

std::string attributes(long max_age) {
    return "; Max-Age=" + std::to_string(max_age) + "; Path=/; HttpOnly; SameSite=Lax";
}

// The value of the first cookie called `name` in one Cookie header.
std::optional<std::string_view> cookie_value(std::string_view header, std::string_view name) {
    while (!header.empty()) {
        const std::size_t end = std::min(header.find(';'), header.size());
        std::string_view pair = header.substr(0, end);
        header.remove_prefix(std::min(end + 1, header.size()));
        while (!pair.empty() && (pair.front() == ' ' || pair.front() == '\t')) pair.remove_prefix(1);
        if (pair.size() > name.size() && pair.starts_with(name) && pair[name.size()] == '=') {
            std::string_view value = pair.substr(name.size() + 1);
            while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.remove_suffix(1);
            return value;
        }
    }
    return std::nullopt;
}

}  // namespace

Membership::Membership() {
    if (RAND_bytes(key_.data(), static_cast<int>(key_.size())) != 1)
        throw std::runtime_error("no random bytes for the sign-in key");
}

std::optional<std::string> Membership::valid_name(std::string_view name) {
    while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
    while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
    const auto length = utf8_length(name, false);
    if (!length || *length == 0 || *length > kMaxNameChars) return std::nullopt;
    return std::string(name);
}

std::string Membership::mac(std::string_view name) const {
    // The message names its purpose, so the key signs nothing else alike.
    const std::string message = "member\n" + std::string(name);
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (HMAC(EVP_sha256(), key_.data(), static_cast<int>(key_.size()),
             reinterpret_cast<const unsigned char*>(message.data()), message.size(), digest, &length) == nullptr ||
        length < kMacBytes)
        throw std::runtime_error("HMAC failed");
    return to_hex(std::string_view(reinterpret_cast<const char*>(digest), kMacBytes));
}

std::string Membership::sign_in_cookie(std::string_view name) const {
    return std::string(kCookieName) + '=' + base64url_encode(name) + '.' + mac(name) + attributes(kCookieSeconds);
}

std::string Membership::sign_out_cookie() { return std::string(kCookieName) + '=' + attributes(0); }

std::optional<std::string> Membership::name_from_cookies(std::span<const std::string> headers) const {
    std::optional<std::string_view> value;
    for (std::size_t i = 0; i < headers.size() && !value; ++i) value = cookie_value(headers[i], kCookieName);
    if (!value || value->size() > kMaxCookieValue) return std::nullopt;
    const std::size_t dot = value->rfind('.');
    if (dot == std::string_view::npos || value->size() - dot - 1 != kMacBytes * 2) return std::nullopt;
    const auto name = base64url_decode(value->substr(0, dot));
    if (!name || name != valid_name(*name)) return std::nullopt;
    const std::string expected = mac(*name);
    if (CRYPTO_memcmp(expected.data(), value->data() + dot + 1, expected.size()) != 0) return std::nullopt;
    return name;
}

}  // namespace portal

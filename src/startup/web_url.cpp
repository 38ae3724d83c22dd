#include "startup/web_url.h"

#include <algorithm>
#include <cctype>

namespace fluvane::startup {

namespace {

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
           });
}

bool isBlankOrControl(unsigned char c) { return c <= 0x20 || c == 0x7F; }

}  // namespace

bool IsWebUrl(std::string_view url) {
    std::string_view rest;
    if (startsWithIgnoringCase(url, "http://")) {
        rest = url.substr(7);
    } else if (startsWithIgnoringCase(url, "https://")) {
        rest = url.substr(8);
    } else {
        return false;
    }
    // Browsers read a backslash in an http address as a slash.
    const std::string_view authority = rest.substr(0, rest.find_first_of("/?#\\"));
    if (std::any_of(authority.begin(), authority.end(), [](char c) { return isBlankOrControl(c); })) return false;
    const std::size_t at = authority.rfind('@');
    const std::string_view host = at == std::string_view::npos ? authority : authority.substr(at + 1);
    if (host.starts_with('[')) {
        const std::size_t close = host.find(']');
        return close != std::string_view::npos && close > 1;
    }
    return !host.substr(0, host.find(':')).empty();
}

std::optional<std::string> PortalPage(std::string_view base, std::string_view path) {
    if (!IsWebUrl(base)) return std::nullopt;
    return std::string(base) + std::string(path);
}

std::string LocalPageUrl(const std::filesystem::path& file) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (const unsigned char c : file.generic_string()) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                           c == '/' || c == '-' || c == '_' || c == '.' || c == '~';
        if (plain) {
            url += static_cast<char>(c);
        } else {
            url += '%';
            url += kHex[c >> 4];
            url += kHex[c & 0xF];
        }
    }
    return url;
}

}  // namespace fluvane::startup

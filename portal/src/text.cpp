#include "text.hpp"

#include <algorithm>
#include <cstdint>

namespace portal {

namespace {

constexpr char kHex[] = "0123456789abcdef";

constexpr char kBase64url[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

int base64url_value(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    return c == '-' ? 62 : c == '_' ? 63 : -1;
}

}  // namespace

std::string html_escape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::optional<std::size_t> utf8_length(std::string_view text, bool allow_breaks) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++count) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            const bool control = lead < 0x20 || lead == 0x7F;
            if (control && !(allow_breaks && (lead == '\n' || lead == '\t'))) return std::nullopt;
            ++i;
            continue;
        }
        const std::size_t trail = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : 0;
        if (trail == 0 || lead > 0xF4 || text.size() - i <= trail) return std::nullopt;
        const auto second = static_cast<unsigned char>(text[i + 1]);
        // Overlong forms, UTF-16 surrogates, code points past U+10FFFF, and
        // the C1 controls U+0080..U+009F.
        if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) || (lead == 0xF0 && second < 0x90) ||
            (lead == 0xF4 && second > 0x8F) || (lead == 0xC2 && second < 0xA0))
            return std::nullopt;
        for (std::size_t k = 1; k <= trail; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return std::nullopt;
        i += trail + 1;
    }
    return count;
}

std::string base64url_encode(std::string_view bytes) {
    std::string out;
    out.reserve((bytes.size() * 4 + 2) / 3);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t count = std::min<std::size_t>(3, bytes.size() - i);
        std::uint32_t group = 0;
        for (std::size_t k = 0; k < 3; ++k)
            group = group << 8 | (k < count ? static_cast<unsigned char>(bytes[i + k]) : 0u);
        for (std::size_t k = 0; k <= count; ++k) out += kBase64url[(group >> (18 - 6 * k)) & 0x3F];
    }
    return out;
}

std::optional<std::string> base64url_decode(std::string_view text) {
    if (text.size() % 4 == 1) return std::nullopt;
    std::string out;
    out.reserve(text.size() * 3 / 4);
    for (std::size_t i = 0; i < text.size(); i += 4) {
        const std::size_t count = std::min<std::size_t>(4, text.size() - i);
        std::uint32_t group = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            const int value = k < count ? base64url_value(text[i + k]) : 0;
            if (value < 0) return std::nullopt;
            group = group << 6 | static_cast<std::uint32_t>(value);
        }
        // Bits past the last whole byte must be zero, so each text has one decoding.
        const std::size_t whole = count - 1;
        if (whole < 3 && (group & ((1u << (8 * (3 - whole))) - 1)) != 0) return std::nullopt;
        for (std::size_t k = 0; k < whole; ++k) out += static_cast<char>((group >> (16 - 8 * k)) & 0xFF);
    }
    return out;
}

std::string to_hex(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        out += kHex[byte >> 4];
        out += kHex[byte & 0x0F];
    }
    return out;
}

}  // namespace portal

#include "text.hpp"

namespace portal {

namespace {

constexpr char kHex[] = "0123456789abcdef";

}  // namespace

std::string html_escape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        default: out += c;
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
            if (control && !(allow_breaks && (lead == '\n' || lead == '\t')))
                return std::nullopt;
            ++i;
            continue;
        }
        const std::size_t trail = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : 0;
        if (trail == 0 || lead > 0xF4 || text.size() - i <= trail)
            return std::nullopt;
        const auto second = static_cast<unsigned char>(text[i + 1]);
        // Overlong forms, UTF-16 surrogates, code points past U+10FFFF, and
        // the C1 controls U+0080..U+009F.
        if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
            (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F) ||
            (lead == 0xC2 && second < 0xA0))
            return std::nullopt;
        for (std::size_t k = 1; k <= trail; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return std::nullopt;
        i += trail + 1;
    }
    return count;
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

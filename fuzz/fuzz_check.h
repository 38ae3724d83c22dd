#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace fluvane::fuzz {

// A broken invariant must stop the run like a sanitizer report does, so that
// libFuzzer saves the input.
inline void check(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "broken invariant: %s\n", what);
    std::abort();
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
inline bool validUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        const std::size_t length = lead >= 0xC2 && lead < 0xE0   ? 2
                                   : lead >= 0xE0 && lead < 0xF0 ? 3
                                   : lead >= 0xF0 && lead < 0xF5 ? 4
                                                                 : 0;
        if (length == 0 || i + length > text.size()) return false;
        char32_t code = lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto byte = static_cast<unsigned char>(text[i + k]);
            if ((byte & 0xC0) != 0x80) return false;
            code = code << 6 | (byte & 0x3F);
        }
        const char32_t smallest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
        if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        i += length;
    }
    return true;
}

}  // namespace fluvane::fuzz

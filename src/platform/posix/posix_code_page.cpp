#include "platform/posix/posix_code_page.h"

#include <iconv.h>

#include <cerrno>

namespace fluvane::platform::posix {
namespace {

// How many bytes to step over when iconv rejects the UTF-8 at text[at]: the
// lead byte and the continuation bytes that follow it, at most a sequence.
std::size_t utf8Length(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    for (std::size_t i = 1; i < length; ++i) {
        if (at + i >= text.size() || (static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return i;
    }
    return length;
}

// Converts what iconv accepts and hands every rejected spot to `skip`, which
// appends a replacement and says how many input bytes to step over.
template <typename Skip>
std::string convert(const char* to, const char* from, std::string_view input, const char* fallback, Skip skip) {
    std::string output;
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return fallback;
    output.reserve(input.size() * 3 / 2 + 4);
    char buffer[4096];
    std::size_t pos = 0;
    while (pos < input.size()) {
        char* in = const_cast<char*>(input.data() + pos);
        std::size_t inLeft = input.size() - pos;
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
        output.append(buffer, static_cast<std::size_t>(out - buffer));
        pos = input.size() - inLeft;
        if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
            pos += skip(output, input, pos);
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(cd);
    return output;
}

}  // namespace

std::string PosixCodePage::toGbk(std::string_view utf8) const {
    return convert("GBK", "UTF-8", utf8, "?", [](std::string& out, std::string_view in, std::size_t at) {
        out += '?';
        return utf8Length(in, at);
    });
}

std::string PosixCodePage::fromGbk(std::string_view gbk) const {
    return convert("UTF-8", "GBK", gbk, "\xEF\xBF\xBD", [](std::string& out, std::string_view, std::size_t) {
        out += "\xEF\xBF\xBD";
        return std::size_t{1};
    });
}

}  // namespace fluvane::platform::posix

#include "platform/posix/argument_transport.h"

namespace fluvane::platform::posix {
namespace {

constexpr char32_t kEscapeBase = 0xF700;
constexpr char32_t kFirstEscape = kEscapeBase + 0x80;
constexpr char32_t kLastEscape = kEscapeBase + 0xFF;

unsigned char byteAt(std::string_view text, std::size_t at) { return static_cast<unsigned char>(text[at]); }

// The length of the well-formed UTF-8 sequence at text[at] and its code point;
// length 0 when there is none (stray, overlong, surrogate or cut sequences).
std::size_t sequenceAt(std::string_view text, std::size_t at, char32_t& code)
{
    const unsigned char lead = byteAt(text, at);
    code = lead;
    if (lead < 0x80) return 1;
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || lead > 0xF4) return 0;
    constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
    code = lead & (0x7F >> length);
    if (at + length > text.size()) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char next = byteAt(text, at + i);
        if ((next & 0xC0) != 0x80) return 0;
        code = (code << 6) | (next & 0x3F);
    }
    if (code < kMinimum[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

void appendThreeByte(std::string& out, char32_t code)
{
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
}

}  // namespace

std::string utf8ForTransport(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() * 3);
    for (std::size_t at = 0; at < bytes.size();) {
        char32_t code = 0;
        const std::size_t length = sequenceAt(bytes, at, code);
        if (length > 0 && (code < kFirstEscape || code > kLastEscape)) {
            out.append(bytes.substr(at, length));
            at += length;
        } else {
            appendThreeByte(out, kEscapeBase + byteAt(bytes, at));
            ++at;
        }
    }
    return out;
}

std::string bytesFromTransport(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        char32_t code = 0;
        const std::size_t length = sequenceAt(utf8, at, code);
        if (length == 3 && code >= kFirstEscape && code <= kLastEscape) {
            out += static_cast<char>(code - kEscapeBase);
            at += length;
        } else {
            out += utf8[at];
            ++at;
        }
    }
    return out;
}

}  // namespace fluvane::platform::posix

#include "platform/posix/argument_transport.h"

#include "platform/shared/utf8.h"

namespace fluvane::platform::posix {
namespace {

constexpr char32_t kEscapeBase = 0xF700;
constexpr char32_t kLastEscape = kEscapeBase + 0xFF;

bool isEscape(char32_t code) { return code >= kEscapeBase && code <= kLastEscape; }

bool isControl(char32_t code) { return code < 0x20 || code == 0x7F; }

}  // namespace

std::string utf8ForTransport(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 3);
    for (std::size_t at = 0; at < bytes.size();) {
        char32_t code = 0;
        const std::size_t length = shared::utf8::sequenceAt(bytes, at, code);
        if (length > 0 && !isEscape(code) && !isControl(code)) {
            out.append(bytes.substr(at, length));
            at += length;
        } else {
            shared::utf8::append(out, kEscapeBase + static_cast<unsigned char>(bytes[at]));
            ++at;
        }
    }
    return out;
}

std::string bytesFromTransport(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        char32_t code = 0;
        const std::size_t length = shared::utf8::sequenceAt(utf8, at, code);
        if (length > 0 && isEscape(code)) {
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

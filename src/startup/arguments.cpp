#include "startup/arguments.h"
#include "platform/shared/url.h"

#include "startup/web_url.h"

namespace fluvane::startup {

namespace {

constexpr std::string_view kSeparator = "#@@";
constexpr int kTwoByteShift = 5;
constexpr int kShiftedBelow = -6000;
constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

bool isLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

bool isTrailByte(unsigned int byte) { return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFE); }

int rot47(int code) {
    if (code >= 80 && code <= 126) return code - 47;
    if (code >= 33 && code <= 79) return code + 47;
    return code;
}

// A code page 936 character: one byte, or a lead byte with the byte after it.
struct GbkCharacter {
    std::string_view bytes;
    int code;  // two-byte characters as a signed 16-bit number, as the system reads them
};

GbkCharacter nextCharacter(std::string_view text, std::size_t position) {
    const auto lead = static_cast<unsigned char>(text[position]);
    if (isLeadByte(lead) && position + 1 < text.size()) {
        const auto trail = static_cast<unsigned char>(text[position + 1]);
        return {text.substr(position, 2), lead * 256 + trail - 65536};
    }
    return {text.substr(position, 1), lead};
}

// The two bytes of a two-byte code; nothing when the shift left the 16-bit range.
std::string twoByteText(int code) {
    const int unsignedCode = code + 65536;
    if (unsignedCode < 0 || unsignedCode > 0xFFFF) return {};
    return {static_cast<char>(unsignedCode >> 8), static_cast<char>(unsignedCode & 0xFF)};
}

}  // namespace

std::string EncodeArguments(const platform::CodePage& codePage, std::string_view text) {
    const std::string gbk = codePage.toGbk(text);
    std::string out;
    out.reserve(gbk.size());
    for (std::size_t i = 0; i < gbk.size();) {
        const GbkCharacter c = nextCharacter(gbk, i);
        i += c.bytes.size();
        if (c.bytes.size() == 2) {
            out += c.code < kShiftedBelow ? twoByteText(c.code - kTwoByteShift) : std::string(c.bytes);
        } else if (c.code != 0) {
            out += static_cast<char>(rot47(c.code));
        }
    }
    return out;
}

std::string DecodeArguments(const platform::CodePage& codePage, std::string_view argument) {
    std::string out;
    std::string pending;  // valid GBK awaiting conversion
    const auto flush = [&] {
        out += codePage.fromGbk(pending);
        pending.clear();
    };
    for (std::size_t i = 0; i < argument.size();) {
        const GbkCharacter c = nextCharacter(argument, i);
        i += c.bytes.size();
        if (c.bytes.size() == 1) {
            pending += static_cast<char>(rot47(c.code));
            continue;
        }
        const std::string decoded = c.code < kShiftedBelow ? twoByteText(c.code + kTwoByteShift) : std::string(c.bytes);
        if (decoded.size() == 2 && isTrailByte(static_cast<unsigned char>(decoded[1]))) {
            pending += decoded;
        } else {
            flush();
            out += kReplacementCharacter;
        }
    }
    flush();
    return out;
}

std::string composeShortcutArgument(std::string_view title, std::string_view pageUrl) {
    std::string text;
    for (std::size_t at = 0; at < title.size();) {
        if (title.substr(at).starts_with(kSeparator)) {
            text += "# @@";
            at += kSeparator.size();
        } else {
            text += title[at++];
        }
    }
    return text + std::string(kSeparator) + std::string(pageUrl);
}

std::optional<ShortcutArgument> parseShortcutArgument(std::string_view decoded) {
    const std::size_t first = decoded.find(kSeparator);
    if (first == std::string_view::npos) return std::nullopt;
    const std::string_view rest = decoded.substr(first + kSeparator.size());
    const std::string_view pageUrl = rest.substr(0, rest.find(kSeparator));
    if (!platform::shared::isWebUrl(pageUrl)) return std::nullopt;
    return ShortcutArgument{std::string(decoded.substr(0, first)), std::string(pageUrl)};
}

}  // namespace fluvane::startup

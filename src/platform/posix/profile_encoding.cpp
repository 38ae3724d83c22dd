#include "platform/posix/profile_encoding.h"

#include "platform/shared/utf8.h"

namespace fluvane::platform::posix {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";
constexpr char32_t kReplacement = 0xFFFD;

char16_t unitAt(std::string_view bytes, std::size_t at, bool bigEndian) {
    const auto first = static_cast<unsigned char>(bytes[at]);
    const auto second = static_cast<unsigned char>(bytes[at + 1]);
    return static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
}

void appendUnit(std::string& out, char32_t unit, bool bigEndian) {
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    out += bigEndian ? high : low;
    out += bigEndian ? low : high;
}

bool isHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

DecodedFile fromUtf16(std::string_view bytes, FileEncoding encoding) {
    const bool bigEndian = encoding == FileEncoding::Utf16Be;
    DecodedFile decoded{encoding, {}, bytes.size() % 2 == 0};
    decoded.text.reserve(bytes.size() * 3 / 2);
    for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
        const char32_t unit = unitAt(bytes, at, bigEndian);
        if (isHighSurrogate(unit) && at + 3 < bytes.size() && isLowSurrogate(unitAt(bytes, at + 2, bigEndian))) {
            const char32_t low = unitAt(bytes, at + 2, bigEndian);
            shared::utf8::append(decoded.text, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
            at += 2;
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
            shared::utf8::append(decoded.text, kReplacement);
            decoded.exact = false;
        } else {
            shared::utf8::append(decoded.text, unit);
        }
    }
    if (bytes.size() % 2 != 0) shared::utf8::append(decoded.text, kReplacement);
    return decoded;
}

std::string toUtf16(std::string_view text, bool bigEndian) {
    std::string out;
    out.reserve(text.size() * 2);
    for (std::size_t at = 0; at < text.size();) {
        char32_t code = kReplacement;
        const std::size_t length = shared::utf8::sequenceAt(text, at, code);
        if (length == 0) code = kReplacement;
        at += length == 0 ? 1 : length;
        if (code >= 0x10000) {
            appendUnit(out, 0xD800 + ((code - 0x10000) >> 10), bigEndian);
            appendUnit(out, 0xDC00 + ((code - 0x10000) & 0x3FF), bigEndian);
        } else {
            appendUnit(out, code, bigEndian);
        }
    }
    return out;
}

}  // namespace

DecodedFile decodeProfileFile(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Mark)) return {FileEncoding::Utf8, std::string(bytes.substr(kUtf8Mark.size())), true};
    if (bytes.starts_with(kUtf16LeMark)) return fromUtf16(bytes.substr(kUtf16LeMark.size()), FileEncoding::Utf16Le);
    if (bytes.starts_with(kUtf16BeMark)) return fromUtf16(bytes.substr(kUtf16BeMark.size()), FileEncoding::Utf16Be);
    return {FileEncoding::Ansi, std::string(bytes), true};
}

std::string encodeProfileFile(FileEncoding encoding, std::string_view text) {
    switch (encoding) {
        case FileEncoding::Utf8:
            return std::string(kUtf8Mark) + std::string(text);
        case FileEncoding::Utf16Le:
            return std::string(kUtf16LeMark) + toUtf16(text, false);
        case FileEncoding::Utf16Be:
            return std::string(kUtf16BeMark) + toUtf16(text, true);
        case FileEncoding::Ansi:
            break;
    }
    return std::string(text);
}

}  // namespace fluvane::platform::posix

// The helpers every layer shares, on any bytes: case folding changes only
// ASCII capitals and is blind to itself; repaired text is valid UTF-8 and a
// cut never splits a character; an origin is its own origin and comes only
// from a web address; a number reads back as written; pixels survive twips.
#include "fuzz_check.h"
#include "platform/shared/numbers.h"
#include "platform/shared/text.h"
#include "platform/shared/twips.h"
#include "platform/shared/url.h"
#include "platform/shared/utf8.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace fluvane::platform::shared;
using fluvane::fuzz::check;

void checkCaseFolding(std::string_view text) {
    const std::string lower = lowerAscii(text);
    check(lower.size() == text.size(), "folding keeps the length");
    for (std::size_t i = 0; i < text.size(); ++i)
        check(lower[i] == text[i] || (text[i] >= 'A' && text[i] <= 'Z'), "folding changes ASCII capitals only");
    check(lowerAscii(lower) == lower, "folding twice changes nothing");
    check(equalsIgnoringAsciiCase(text, lower), "a text equals its folding, case ignored");
    check(startsWithIgnoringAsciiCase(text, lower.substr(0, lower.size() / 2)), "a text starts with its folded half");
}

void checkUtf8(std::string_view text, std::size_t limit) {
    check(fluvane::fuzz::validUtf8(utf8::repaired(text)), "repaired text is valid UTF-8");
    const std::string_view cut = utf8::prefix(text, limit);
    check(cut.size() <= limit && text.starts_with(cut), "a cut is a start within the limit");
    const std::string repaired = utf8::repaired(text);
    check(fluvane::fuzz::validUtf8(utf8::prefix(repaired, limit)), "a cut of valid text stays valid");
}

void checkUrl(std::string_view text) {
    const std::string origin = webOrigin(text);
    if (origin.empty()) return;
    check(origin.starts_with("http://") || origin.starts_with("https://"), "an origin is of a web address");
    check(webOrigin(origin) == origin, "an origin is its own origin");
    check(lowerAscii(origin) == origin, "an origin is in lower case");
    if (isWebUrl(text)) check(isWebUrl(origin), "a web address's origin is a web address");
}

void checkNumbers(std::string_view text) {
    if (const auto whole = wholeNumber(text)) {
        check(wholeNumber(std::to_string(*whole)) == whole, "a whole number reads back as written");
        check(decimalNumber(text).has_value(), "a whole number is a decimal one too");
    }
    if (const auto decimal = decimalNumber(text); decimal && *decimal > -1e6 && *decimal < 1e6) {
        const int pixels = nearestInteger(*decimal);
        check(twipsToPixels(pixelsToTwips(pixels)) == pixels, "pixels survive twips");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkCaseFolding(text);
    checkUtf8(text, size == 0 ? 0 : data[0]);
    checkUrl(text);
    checkNumbers(text);
    return 0;
}

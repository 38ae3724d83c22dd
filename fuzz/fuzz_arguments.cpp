// Shortcut arguments through the real code page: any command-line bytes
// decode to valid UTF-8, text GBK holds survives the scrambling, only a web
// address is ever taken as the page, and no title ends the title early.
#include "fuzz_check.h"
#include "platform/posix/posix_code_page.h"
#include "platform/shared/url.h"
#include "startup/arguments.h"
#include "startup/web_url.h"

#include <algorithm>
#include <string>

namespace {

using fluvane::fuzz::check;

std::string withoutNul(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '\0'), text.end());
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    namespace startup = fluvane::startup;
    static const fluvane::platform::posix::PosixCodePage codePage;
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    const std::string fromCommandLine = startup::DecodeArguments(codePage, bytes);
    check(fluvane::fuzz::validUtf8(fromCommandLine), "decoding gives valid UTF-8");

    const std::string encoded = startup::EncodeArguments(codePage, bytes);
    check(encoded.find('\0') == std::string::npos, "an encoded argument holds no NUL");
    const std::string decoded = startup::DecodeArguments(codePage, encoded);
    // Whatever the text, the round trip gives what GBK made of it, less the NULs.
    check(decoded == codePage.fromGbk(withoutNul(codePage.toGbk(bytes))),
          "the round trip gives the text as GBK holds it");
    const std::string text = withoutNul(bytes);
    if (text == bytes && fluvane::fuzz::validUtf8(text) && codePage.fromGbk(codePage.toGbk(text)) == text)
        check(decoded == text, "text GBK holds survives the round trip");

    if (const auto parsed = startup::parseShortcutArgument(fromCommandLine)) {
        check(fluvane::platform::shared::isWebUrl(parsed->pageUrl), "a parsed page is a web address");
        check(parsed->title.find("#@@") == std::string::npos, "a parsed title holds no separator");
    }
    const std::string page = "http://portal.test/tcab/";
    const auto composed = startup::parseShortcutArgument(startup::composeShortcutArgument(bytes, page));
    check(composed && composed->pageUrl == page, "a composed argument gives its page back whatever the title");
    return 0;
}

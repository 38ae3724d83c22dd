// Shortcut arguments through the real code page: any command-line bytes
// decode to valid UTF-8, and text GBK holds survives the scrambling.
#include "fuzz_check.h"
#include "platform/posix/posix_code_page.h"
#include "startup/arguments.h"

#include <algorithm>
#include <string>

namespace {

using fluvane::fuzz::check;

std::string withoutNul(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), '\0'), text.end());
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const fluvane::platform::posix::PosixCodePage codePage;
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    check(fluvane::fuzz::validUtf8(fluvane::startup::DecodeArguments(codePage, bytes)),
          "decoding gives valid UTF-8");

    const std::string encoded = fluvane::startup::EncodeArguments(codePage, bytes);
    check(encoded.find('\0') == std::string::npos, "an encoded argument holds no NUL");
    const std::string decoded = fluvane::startup::DecodeArguments(codePage, encoded);
    // Whatever the text, the round trip gives what GBK made of it, less the NULs.
    check(decoded == codePage.fromGbk(withoutNul(codePage.toGbk(bytes))),
          "the round trip gives the text as GBK holds it");
    const std::string text = withoutNul(bytes);
    if (text == bytes && fluvane::fuzz::validUtf8(text) && codePage.fromGbk(codePage.toGbk(text)) == text)
        check(decoded == text, "text GBK holds survives the round trip");
    return 0;
}

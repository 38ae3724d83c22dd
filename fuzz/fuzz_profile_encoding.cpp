// Profile files of any bytes: the text of a UTF-16 file is valid UTF-8, a
// file that decodes exactly is written back byte for byte, and what is written
// decodes again to the same text.
#include "fuzz_check.h"
#include "platform/posix/profile_encoding.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fluvane::platform::posix;
    using fluvane::fuzz::check;
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    const DecodedFile decoded = decodeProfileFile(bytes);
    if (decoded.encoding == FileEncoding::Utf16Le || decoded.encoding == FileEncoding::Utf16Be)
        check(fluvane::fuzz::validUtf8(decoded.text), "UTF-16 decodes to valid UTF-8");
    const std::string written = encodeProfileFile(decoded.encoding, decoded.text);
    if (decoded.exact) check(written == bytes, "an exact file is written back byte for byte");
    const DecodedFile again = decodeProfileFile(written);
    check(again.encoding == decoded.encoding && again.exact && again.text == decoded.text,
          "a written file decodes to the text written");
    return 0;
}

// The INI text functions on arbitrary bytes, read as GBK or as UTF-8: reads
// never split a character, an edit reads back and leaves every other line as
// it was.
#include "fuzz_check.h"
#include "platform/posix/ini_text.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <string>

namespace {

namespace ini = fluvane::platform::posix::ini;
using fluvane::fuzz::check;

// The blanks the profile functions strip around names and values.
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\x1a';
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool hasBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

// Whether the closing ']' after the section name would be read as the trail
// byte of the name's last character.
bool swallowsBracket(std::string_view section, ini::Encoding encoding) {
    if (encoding == ini::Encoding::Utf8) return false;
    const std::string header = std::string(trim(section)) + "]";
    std::size_t at = 0;
    while (at + 1 < header.size()) at += ini::characterLength(header, at);
    return at != header.size() - 1;
}

// What copyOut cuts from: the text up to a NUL without one pair of matching quotes.
std::string_view unquoted(std::string_view value) {
    value = value.substr(0, value.find('\0'));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}

void checkFound(std::string_view text, std::string_view section, std::string_view key, ini::Encoding encoding) {
    const auto found = ini::findValue(text, section, key, encoding);
    if (!found) return;
    check(found->data() >= text.data() && found->data() + found->size() <= text.data() + text.size(),
          "findValue points into the text");
    check(trim(*found) == *found, "findValue trims the value");
}

void checkCopyOut(std::string_view value, std::size_t bufferSize) {
    const std::string out = ini::copyOut(value, bufferSize);
    const std::size_t limit = bufferSize == 0 ? 0 : bufferSize - 1;
    check(out.size() <= limit, "copyOut leaves room for the terminator");
    const std::string_view source = unquoted(value);
    check(source.substr(0, out.size()) == out, "copyOut gives the start of the value");
    // Walking the source by characters must land exactly on the cut, or the
    // cut would leave a lead byte without its trail byte.
    std::size_t end = 0;
    while (end < out.size()) end += ini::characterLength(source, end);
    check(end == out.size(), "copyOut never splits a character");
    if (out.size() < source.size())
        check(out.size() + ini::characterLength(source, out.size()) > limit, "copyOut keeps all that fits");
}

void checkEdit(std::string_view text, std::string_view section, std::string_view key, std::string_view value,
               ini::Encoding encoding) {
    const auto edited = ini::withValue(text, section, key, value, encoding);
    if (!edited) {
        const std::string_view name = trim(key);
        const bool refusable = hasBreak(section) || hasBreak(key) || hasBreak(value) ||
                               name.find('=') != std::string_view::npos || (!name.empty() && name.front() == '[') ||
                               swallowsBracket(section, encoding);
        check(refusable, "withValue refuses only names and values that cannot be stored");
        return;
    }
    const auto readBack = ini::findValue(*edited, section, key, encoding);
    check(readBack.has_value(), "the edited key is found");
    check(*readBack == trim(value), "the edited key reads the value written");

    // The bytes that differ between the texts lie within one line.
    const std::string_view after = *edited;
    const std::size_t shorter = std::min(text.size(), after.size());
    std::size_t prefix = 0;
    while (prefix < shorter && text[prefix] == after[prefix]) ++prefix;
    std::size_t suffix = 0;
    while (suffix < shorter - prefix && text[text.size() - 1 - suffix] == after[after.size() - 1 - suffix]) ++suffix;
    const std::string_view replaced = text.substr(prefix, text.size() - prefix - suffix);
    check(!hasBreak(replaced), "withValue keeps every line but the edited one");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto bufferSize = input.ConsumeIntegralInRange<std::size_t>(0, 300);
    const auto encoding = input.ConsumeBool() ? ini::Encoding::Utf8 : ini::Encoding::Gbk;
    const std::string section = input.ConsumeRandomLengthString(64);
    const std::string key = input.ConsumeRandomLengthString(64);
    const std::string value = input.ConsumeRandomLengthString(256);
    const std::string text = input.ConsumeRemainingBytesAsString();

    checkFound(text, section, key, encoding);
    checkCopyOut(value, bufferSize);
    if (const auto found = ini::findValue(text, section, key, encoding)) checkCopyOut(*found, bufferSize);
    checkEdit(text, section, key, value, encoding);
    return 0;
}

#include "platform/shared/text.h"

#include <algorithm>

namespace fluvane::platform::shared {

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string lowerAscii(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) { return lowerAscii(c); });
    return lower;
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

bool startsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && equalsIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

bool imageNameMatches(std::string_view wantedName, std::string_view imageName) {
    if (equalsIgnoringAsciiCase(wantedName, imageName)) return true;
    constexpr std::string_view exe = ".exe";
    return wantedName.size() > exe.size() &&
           equalsIgnoringAsciiCase(wantedName.substr(wantedName.size() - exe.size()), exe) &&
           equalsIgnoringAsciiCase(wantedName.substr(0, wantedName.size() - exe.size()), imageName);
}

}  // namespace fluvane::platform::shared

#include "mainwindow/command_url.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace fluvane::mainwindow {

namespace {
std::string lowerAscii(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}
}  // namespace

bool IsCommandUrl(std::string_view url, std::string_view schemeText) {
    return lowerAscii(url).find(lowerAscii(schemeText)) != std::string::npos;
}

}  // namespace fluvane::mainwindow

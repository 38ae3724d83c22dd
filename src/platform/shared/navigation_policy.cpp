#include "platform/shared/navigation_policy.h"

#include "platform/shared/text.h"

#include <algorithm>
#include <optional>

namespace fluvane::platform::shared {

namespace {

namespace fs = std::filesystem;

bool isAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool isSchemeCharacter(char c) { return isAlpha(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'; }

// The URL as the engine parses it: without surrounding spaces and control
// characters, and without tabs and line breaks anywhere.
std::string engineText(std::string_view url) {
    const auto ignoredAtEnds = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
    while (!url.empty() && ignoredAtEnds(url.front())) url.remove_prefix(1);
    while (!url.empty() && ignoredAtEnds(url.back())) url.remove_suffix(1);
    std::string text;
    text.reserve(url.size());
    for (char c : url) {
        if (c != '\t' && c != '\n' && c != '\r') text += c;
    }
    return text;
}

// The lower-cased scheme, or nothing when the text does not start with one.
std::optional<std::string> schemeOf(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos || colon == 0 || !isAlpha(text[0])) return std::nullopt;
    if (!std::all_of(text.begin(), text.begin() + colon, isSchemeCharacter)) return std::nullopt;
    return lowerAscii(text.substr(0, colon));
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = lowerAscii(c);
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Percent escapes decoded, as the engine does before it opens a file; nothing
// when a NUL byte results, which no file name can hold.
std::optional<std::string> percentDecoded(std::string_view text) {
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            const int high = hexValue(text[i + 1]), low = hexValue(text[i + 2]);
            if (high >= 0 && low >= 0) {
                decoded += static_cast<char>(high * 16 + low);
                i += 2;
                continue;
            }
        }
        decoded += text[i];
    }
    if (decoded.find('\0') != std::string::npos) return std::nullopt;
    return decoded;
}

// The path a file URL names (the text after "file:"); nothing for a file on
// another host or a relative one.
std::optional<std::string> filePathOf(std::string_view afterScheme) {
    std::string rest(afterScheme.substr(0, afterScheme.find_first_of("?#")));
    // Backslashes count as slashes in file URLs.
    std::replace(rest.begin(), rest.end(), '\\', '/');
    if (rest.starts_with("//")) {
        const std::size_t slash = rest.find('/', 2);
        const std::string host = rest.substr(2, slash == std::string::npos ? std::string::npos : slash - 2);
        if (!host.empty() && lowerAscii(host) != "localhost") return std::nullopt;
        rest = slash == std::string::npos ? "/" : rest.substr(slash);
    }
    if (!rest.starts_with('/')) return std::nullopt;
    return percentDecoded(rest);
}

bool inside(const fs::path& file, const fs::path& directory) {
    return std::mismatch(directory.begin(), directory.end(), file.begin(), file.end()).first == directory.end();
}

// The pages the client ships: the folder of its own pages and the loading
// page of its side windows. The rest of the application directory holds
// what the portal sent (zelhe.db, link.txt), which no pane may show.
bool isShippedPage(const fs::path& file, const fs::path& root) {
    return inside(file, root / "zelskin" / "html") || file == root / "app" / "loading.html";
}

// The engine may resolve ".." before it follows links or after: the file is
// a shipped page only if it is one both ways.
bool isLocalPage(const std::string& path, const fs::path& applicationDirectory) {
    if (applicationDirectory.empty() || path.find('\0') != std::string::npos) return false;
    const fs::path given(path);
    if (!given.is_absolute()) return false;
    std::error_code error;
    const fs::path root = fs::canonical(applicationDirectory, error);
    if (error) return false;
    const fs::path asWritten = fs::weakly_canonical(given, error);
    if (error) return false;
    const fs::path asNormalised = fs::weakly_canonical(given.lexically_normal(), error);
    if (error) return false;
    return isShippedPage(asWritten, root) && isShippedPage(asNormalised, root);
}

}  // namespace

NavigationVerdict judgeNavigation(std::string_view url, const fs::path& applicationDirectory,
                                  const std::vector<std::string>& commandSchemes) {
    const std::string text = engineText(url);
    const std::optional<std::string> scheme = schemeOf(text);
    if (!scheme) {
        const bool absolutePath = text.starts_with('/') && !text.starts_with("//");
        return absolutePath && isLocalPage(text, applicationDirectory) ? NavigationVerdict::LocalPage
                                                                       : NavigationVerdict::Refused;
    }
    if (*scheme == "http" || *scheme == "https") return NavigationVerdict::Web;
    if (*scheme == "file") {
        const auto path = filePathOf(std::string_view(text).substr(scheme->size() + 1));
        return path && isLocalPage(*path, applicationDirectory) ? NavigationVerdict::LocalPage
                                                                : NavigationVerdict::Refused;
    }
    for (const std::string& command : commandSchemes) {
        if (*scheme == lowerAscii(command)) return NavigationVerdict::Command;
    }
    return NavigationVerdict::Refused;
}

}  // namespace fluvane::platform::shared

#include "mainwindow/page_commands.h"
#include "platform/shared/text.h"

#include "mainwindow/command_url.h"

#include <algorithm>

namespace fluvane::mainwindow {

namespace {

constexpr std::string_view kShortcutSeparator = "@@@";
constexpr std::string_view kFieldSeparator = "###";

// Splits as the original's Split did: an empty text has no parts at all.
std::vector<std::string_view> splitAt(std::string_view text, std::string_view separator) {
    std::vector<std::string_view> parts;
    if (text.empty()) return parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) return parts;
        start = end + separator.size();
    }
}

// `text` without any occurrence of the lower-case `word`, whatever its case there.
std::string withoutWord(std::string_view text, std::string_view word) {
    const std::string lowered = platform::shared::lowerAscii(text);
    std::string kept;
    kept.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (lowered.compare(i, word.size(), word) == 0) {
            i += word.size();
        } else {
            kept += text[i++];
        }
    }
    return kept;
}

}  // namespace

bool IsPlayUrl(std::string_view url) { return !PlaySchemeOf(url).empty(); }

std::string PlaySchemeOf(std::string_view url) {
    const std::string lowered = platform::shared::lowerAscii(url);
    const auto scheme = std::find_if(kPlaySchemes.rbegin(), kPlaySchemes.rend(),
                                     [&](std::string_view s) { return lowered.find(s) != std::string::npos; });
    return scheme == kPlaySchemes.rend() ? std::string() : std::string(*scheme);
}

std::string MapPlayUrl(std::string_view url, std::string_view dizhi) {
    const std::string lowered = platform::shared::lowerAscii(url);
    std::string mapped;
    mapped.reserve(lowered.size() + dizhi.size());
    for (std::size_t i = 0; i < lowered.size();) {
        const auto scheme = std::ranges::find_if(
            kPlaySchemes, [&](std::string_view s) { return lowered.compare(i, s.size(), s) == 0; });
        if (scheme == kPlaySchemes.end()) {
            mapped += lowered[i++];
        } else {
            mapped += dizhi;
            i += scheme->size();
        }
    }
    return mapped;
}

std::optional<startup::ShortcutArgument> parseShortcutUrl(std::string_view url, std::string_view dizhi) {
    const std::string rest = withoutWord(url, scheme::dddisk);
    const std::size_t separator = rest.find(kShortcutSeparator);
    if (separator == std::string::npos) return std::nullopt;
    const std::string_view afterTitle = std::string_view(rest).substr(separator + kShortcutSeparator.size());
    const std::string_view path = afterTitle.substr(0, afterTitle.find(kShortcutSeparator));
    return startup::ShortcutArgument{rest.substr(0, separator), std::string(dizhi) + std::string(path)};
}

std::string PlayerArguments(std::string_view url, PlayerArgumentFields& kept) {
    const std::size_t hash = url.find('#');
    const std::string_view rest = hash == std::string_view::npos ? url : url.substr(hash + 1);
    const auto parts = splitAt(rest, kFieldSeparator);
    for (std::size_t i = 0; i < std::min(parts.size(), kept.fields.size()); ++i) kept.fields[i] = parts[i];
    std::string arguments;
    for (const std::string& field : kept.fields) arguments.append(field).append(kFieldSeparator);
    return arguments.append(url).append(kFieldSeparator);
}

std::optional<EpisodeGroup> collectEpisodes(const platform::Document& page, std::string_view url,
                                            std::string_view dizhi) {
    const std::string scheme = PlaySchemeOf(url);
    if (scheme.empty()) return std::nullopt;
    EpisodeGroup group{page.title, {}};
    for (auto link = page.links.rbegin(); link != page.links.rend(); ++link)
        if (link->href.find(scheme) != std::string::npos)
            group.episodes.push_back({link->innerText, MapPlayUrl(link->href, dizhi)});
    return group;
}

}  // namespace fluvane::mainwindow

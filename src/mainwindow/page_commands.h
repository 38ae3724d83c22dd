#pragma once

#include "mainwindow/command_schemes.h"
#include "platform/browser.h"
#include "startup/arguments.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fluvane::mainwindow {

// True when the lower-cased URL holds any play scheme, anywhere in it.
bool IsPlayUrl(std::string_view url);

// The play scheme of the highest table index the lower-cased URL holds, or "".
std::string PlaySchemeOf(std::string_view url);

// The URL lower-cased with every play scheme replaced by `dizhi` (the portal
// base URL), which keeps its own letter case.
std::string MapPlayUrl(std::string_view url, std::string_view dizhi);

// Reads a "dddisk://" command, title + "@@@" + path (+ "@@@" + anything): the
// desktop shortcut it asks for reopens `dizhi` + path under the title.
// Nothing when there is no "@@@", since then there is no page to reopen.
std::optional<startup::ShortcutArgument> parseShortcutUrl(std::string_view url, std::string_view dizhi);

// The three fields of the player program's argument that a new-window request
// of `W2` fills; a request that lacks a field keeps the previous request's.
struct PlayerArgumentFields {
    std::array<std::string, 3> fields;
};

// The player program's argument for a new-window URL: the "###"-separated
// fields after the URL's first "#" (the whole URL without one) update `kept`,
// then field 0, 1, 2 and the URL, each followed by "###".
std::string PlayerArguments(std::string_view url, PlayerArgumentFields& kept);

struct Episode {
    std::string name;  // the link's text
    std::string url;   // the link's target mapped onto `dizhi`
    friend bool operator==(const Episode&, const Episode&) = default;
};

// The playlist group a play navigation adds: named after the page title.
struct EpisodeGroup {
    std::string name;
    std::vector<Episode> episodes;  // reverse document order
    friend bool operator==(const EpisodeGroup&, const EpisodeGroup&) = default;
};

// The page's links whose target holds the navigation URL's play scheme (in
// lower case, as the portal writes it); nothing unless the URL is a play URL.
std::optional<EpisodeGroup> collectEpisodes(const platform::Document& page, std::string_view url,
                                            std::string_view dizhi);

}  // namespace fluvane::mainwindow

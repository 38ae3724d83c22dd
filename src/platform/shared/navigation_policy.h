#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace fluvane::platform::shared {

// What may become of a navigation of any browser pane. Only the portal's web
// pages, the client's own local pages and its commands are ever navigated to:
// a configuration value or a page can name anything, and a script URL run in a
// local page could read the user's files.
enum class NavigationVerdict {
    Web,        // http and https
    LocalPage,  // a page the client ships
    Command,    // a command scheme: raised as a navigation event, never loaded
    Refused,    // everything else: javascript:, data:, blob:, about:, other files …
};

// The verdict on `url` as the engine would read it: surrounding spaces and
// controls, and tabs and line breaks anywhere, do not count; scheme names are
// case-insensitive. A file URL (or a bare absolute path) is a local page only
// when the file it names is one the client ships in `applicationDirectory`
// (inside zelskin/html, or app/loading.html) both by its text (".." and
// percent escapes resolved) and on disk (symbolic links followed).
// `commandSchemes` are scheme names without "://".
NavigationVerdict judgeNavigation(std::string_view url, const std::filesystem::path& applicationDirectory,
                                  const std::vector<std::string>& commandSchemes);

}  // namespace fluvane::platform::shared

#include "platform/posix/posix_shell.h"

#include "platform/posix/argument_transport.h"
#include "platform/posix/pending_file.h"
#include "platform/posix/spawn.h"
#include "platform/posix/xdg_dirs.h"
#include "platform/shared/url.h"
#include "platform/shared/utf8.h"

#include <algorithm>
#include <climits>
#include <fstream>
#include <sstream>
#include <system_error>

namespace fluvane::platform::posix {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kExtension = ".desktop";
constexpr std::string_view kUntitled = "Fluvane";
// Marks the shortcuts this client made: only those may be replaced.
constexpr std::string_view kShortcutMark = "X-Fluvane-Shortcut=true";
// "title (2)" … "title (99)": further ones fail rather than fill the desktop.
constexpr int kMostCopies = 99;

std::vector<std::string> words(std::string_view text) {
    std::vector<std::string> out;
    std::istringstream in{std::string(text)};
    for (std::string word; std::getline(in, word, ' ');) {
        if (!word.empty()) out.push_back(word);
    }
    return out;
}

// XDG_DESKTOP_DIR="$HOME/Desktop" from user-dirs.dirs; only "$HOME/..." and
// absolute paths are valid there.
fs::path userDirsDesktop() {
    std::ifstream in(xdg::configHome() / "user-dirs.dirs");
    constexpr std::string_view prefix = "XDG_DESKTOP_DIR=\"";
    for (std::string line; std::getline(in, line);) {
        if (!line.starts_with(prefix) || !line.ends_with('"') || line.size() <= prefix.size()) continue;
        std::string value = line.substr(prefix.size(), line.size() - prefix.size() - 1);
        if (value.starts_with("$HOME")) return xdg::home().string() + value.substr(5);
        if (value.starts_with('/')) return value;
    }
    return {};
}

bool isControl(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// A text a desktop shows: UTF-8, without control characters or surrounding
// spaces (the format would drop leading ones).
std::string shownText(std::string_view text) {
    std::string out = shared::utf8::repaired(text);
    std::erase_if(out, isControl);
    return std::string(trimmed(out));
}

// The general escapes of a string value.
std::string escapeValue(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string quoteArgument(std::string_view argument) {
    std::string out = "\"";
    for (char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') out += '\\';
        if (c == '%') out += '%';
        out += c;
    }
    return out + "\"";
}

std::string desktopEntry(std::string_view title, std::string_view description, const fs::path& target,
                         const std::vector<std::string>& arguments, const fs::path& icon, bool marked) {
    std::string name = shownText(title);
    if (name.empty()) name = kUntitled;
    std::string entry = "[Desktop Entry]\nType=Application\nName=" + escapeValue(name) + "\n";
    if (const std::string comment = shownText(description); !comment.empty()) {
        entry += "Comment=" + escapeValue(comment) + "\n";
    }
    entry += "Exec=" + desktopExec(target, arguments) + "\n";
    if (!icon.empty()) entry += "Icon=" + escapeValue(icon.string()) + "\n";
    if (marked) entry += std::string(kShortcutMark) + "\n";
    return entry;
}

// A regular file (not a link to one) that carries the client's mark.
bool madeByThisClient(const fs::path& file) {
    std::error_code error;
    if (!fs::is_regular_file(fs::symlink_status(file, error))) return false;
    constexpr std::size_t kLongestEntry = 64 * 1024;
    std::ifstream in(file, std::ios::binary);
    std::string line;
    for (std::size_t read = 0; read < kLongestEntry && std::getline(in, line); read += line.size() + 1) {
        if (line == kShortcutMark) return true;
    }
    return false;
}

// The entry's file name with " (copy)" before the extension, from copy 2 on.
std::string numberedFileName(std::string_view title, int copy) {
    const std::string name = entryFileName(title);
    if (copy < 2) return name;
    const std::string suffix = " (" + std::to_string(copy) + ")";
    const std::string_view stem = std::string_view(name).substr(0, name.size() - kExtension.size());
    return std::string(shared::utf8::prefix(stem, NAME_MAX - suffix.size() - kExtension.size())) + suffix +
           std::string(kExtension);
}

}  // namespace

std::string entryFileName(std::string_view title) {
    std::string name = shared::utf8::repaired(title);
    for (char& c : name) {
        if (c == '/' || c == '\\' || isControl(c)) c = '_';
    }
    name = std::string(trimmed(name));
    for (std::size_t i = 0; i < name.size() && name[i] == '.'; ++i) name[i] = '_';
    if (name.empty()) name = kUntitled;
    return std::string(shared::utf8::prefix(name, NAME_MAX - kExtension.size())) + std::string(kExtension);
}

std::string desktopExec(const fs::path& target, const std::vector<std::string>& arguments) {
    std::string exec = quoteArgument(target.string());
    for (const std::string& argument : arguments) exec += " " + quoteArgument(utf8ForTransport(argument));
    return escapeValue(exec);
}

bool PosixShell::openLink(const std::string& url) {
    if (url.starts_with('-')) return false;
    return spawnDetached(opener_, {url}, true);
}

bool PosixShell::openInBrowser(const std::string& url) {
    const bool oneWord = std::none_of(url.begin(), url.end(), [](char c) { return c == ' ' || isControl(c); });
    if (!oneWord || shared::webOrigin(url).empty()) return false;
    std::vector<std::string> command = words(xdg::environment("FLUVANE_BROWSER"));
    if (command.empty()) command.push_back(opener_);
    command.push_back(url);
    const std::string program = command.front();
    command.erase(command.begin());
    return spawnDetached(program, command, true);
}

fs::path PosixShell::desktopFolder() const {
    // A relative value would put entries wherever the program was started.
    if (std::string dir = xdg::environment("XDG_DESKTOP_DIR"); dir.starts_with('/')) return dir;
    if (fs::path dir = userDirsDesktop(); !dir.empty()) return dir;
    return xdg::home() / "Desktop";
}

// A page names the shortcut: an entry of that name that the user has (their
// own launcher) stays, and the shortcut takes the next free number.
bool PosixShell::createShortcut(const Shortcut& shortcut) {
    const std::string entry =
        desktopEntry(shortcut.title, shortcut.description, shortcut.target, shortcut.arguments, shortcut.icon, true);
    const fs::path folder = desktopFolder();
    for (int copy = 1; copy <= kMostCopies; ++copy) {
        const fs::path file = folder / numberedFileName(shortcut.title, copy);
        std::error_code error;
        // Desktops launch only entries marked executable.
        if (!fs::exists(fs::symlink_status(file, error))) {
            if (createNewFile(file, entry, 0755)) return true;
            if (!fs::exists(fs::symlink_status(file, error))) return false;
        } else if (madeByThisClient(file)) {
            return replaceFile(file, entry, 0755);
        }
    }
    return false;
}

bool PosixShell::setAutostart(const std::string& name, const fs::path& program, bool enabled) {
    const fs::path folder = xdg::configHome() / "autostart";
    const fs::path file = folder / entryFileName(name);
    std::error_code error;
    if (!enabled) {
        fs::remove(file, error);
        return !error;
    }
    fs::create_directories(folder, error);
    return replaceFile(file, desktopEntry(name, "", program, {}, {}, false), 0644);
}

}  // namespace fluvane::platform::posix

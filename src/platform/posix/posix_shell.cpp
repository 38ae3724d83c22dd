#include "platform/posix/posix_shell.h"

#include "platform/posix/argument_transport.h"
#include "platform/posix/pending_file.h"
#include "platform/posix/spawn.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace fluvane::platform::posix {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> words(std::string_view text)
{
    std::vector<std::string> out;
    std::istringstream in{std::string(text)};
    for (std::string word; std::getline(in, word, ' ');) {
        if (!word.empty()) out.push_back(word);
    }
    return out;
}

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

fs::path home()
{
    if (std::string dir = environment("HOME"); !dir.empty()) return dir;
    const passwd* user = getpwuid(getuid());
    return user && user->pw_dir ? user->pw_dir : "/";
}

// XDG_DESKTOP_DIR="$HOME/Desktop" from user-dirs.dirs; only "$HOME/..." and
// absolute paths are valid there.
fs::path userDirsDesktop()
{
    const std::string configHome = environment("XDG_CONFIG_HOME");
    const fs::path config = configHome.empty() ? home() / ".config" : fs::path(configHome);
    std::ifstream in(config / "user-dirs.dirs");
    constexpr std::string_view prefix = "XDG_DESKTOP_DIR=\"";
    for (std::string line; std::getline(in, line);) {
        if (!line.starts_with(prefix) || !line.ends_with('"') || line.size() <= prefix.size()) continue;
        std::string value = line.substr(prefix.size(), line.size() - prefix.size() - 1);
        if (value.starts_with("$HOME")) return home().string() + value.substr(5);
        if (value.starts_with('/')) return value;
    }
    return {};
}

// The general escapes of a string value.
std::string escapeValue(std::string_view text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default: out += c;
        }
    }
    return out;
}

std::string quoteArgument(std::string_view argument)
{
    std::string out = "\"";
    for (char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') out += '\\';
        if (c == '%') out += '%';
        out += c;
    }
    return out + "\"";
}

}  // namespace

std::string desktopExec(const fs::path& target, const std::vector<std::string>& arguments)
{
    std::string exec = quoteArgument(target.string());
    for (const std::string& argument : arguments) exec += " " + quoteArgument(utf8ForTransport(argument));
    return escapeValue(exec);
}

bool PosixShell::openLink(const std::string& url)
{
    if (url.starts_with('-')) return false;
    return spawnDetached(opener_, {url}, true);
}

bool PosixShell::openInBrowser(const std::string& url)
{
    std::vector<std::string> command = words(environment("FLUVANE_BROWSER"));
    if (command.empty()) command.push_back(opener_);
    for (std::string& word : words(url)) {
        if (word.starts_with('-')) return false;
        command.push_back(std::move(word));
    }
    const std::string program = command.front();
    command.erase(command.begin());
    return spawnDetached(program, command, true);
}

fs::path PosixShell::desktopFolder() const
{
    if (std::string dir = environment("XDG_DESKTOP_DIR"); !dir.empty()) return dir;
    if (fs::path dir = userDirsDesktop(); !dir.empty()) return dir;
    return home() / "Desktop";
}

bool PosixShell::createShortcut(const Shortcut& shortcut)
{
    std::string entry = "[Desktop Entry]\nType=Application\n";
    entry += "Name=" + escapeValue(shortcut.file.filename().string()) + "\n";
    if (!shortcut.description.empty()) entry += "Comment=" + escapeValue(shortcut.description) + "\n";
    entry += "Exec=" + desktopExec(shortcut.target, shortcut.arguments) + "\n";
    if (!shortcut.icon.empty()) entry += "Icon=" + escapeValue(shortcut.icon.string()) + "\n";
    // Desktops launch only entries marked executable.
    return replaceFile(fs::path(shortcut.file).concat(".desktop"), entry, 0755);
}

}  // namespace fluvane::platform::posix

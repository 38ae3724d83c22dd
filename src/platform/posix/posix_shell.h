#pragma once

#include "platform/services.h"

namespace fluvane::platform::posix {

// Links open with the desktop's handler; the browser command comes from
// FLUVANE_BROWSER (split at spaces, so it may carry options), else xdg-open.
class PosixShell final : public Shell {
public:
    explicit PosixShell(std::string opener = "xdg-open") : opener_(std::move(opener)) {}

    bool openLink(const std::string& url) override;
    // The URL reaches the browser as one argument: only an http(s) address
    // without spaces or control characters, which can be nothing but an address.
    bool openInBrowser(const std::string& url) override;
    // $XDG_DESKTOP_DIR when it is absolute, else the user-dirs.dirs entry, else
    // $HOME/Desktop.
    std::filesystem::path desktopFolder() const override;
    // An executable freedesktop .desktop file named entryFileName(title) in the
    // desktop folder; Name is the title, the description its Comment. It
    // replaces only an entry this client made (marked X-Fluvane-Shortcut);
    // beside another it is "title (2).desktop", "title (3)" and so on.
    bool createShortcut(const Shortcut& shortcut) override;
    // The entry $XDG_CONFIG_HOME/autostart/<entryFileName(name)>.
    bool setAutostart(const std::string& name, const std::filesystem::path& program, bool enabled) override;

private:
    std::string opener_;
};

// The file name of a desktop entry for title: one name within the folder,
// never hidden, with ".desktop" within the length a file name may have.
// '/', '\', control characters and leading dots become '_', bytes that are
// not UTF-8 U+FFFD; an empty title is called "Fluvane".
std::string entryFileName(std::string_view title);

// The Exec value running target with arguments, quoted as the Desktop Entry
// format requires; argument bytes that are not UTF-8 travel escaped
// (argument_transport.h).
std::string desktopExec(const std::filesystem::path& target, const std::vector<std::string>& arguments);

}  // namespace fluvane::platform::posix

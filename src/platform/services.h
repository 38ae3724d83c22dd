#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace fluvane::platform {

// INI files with the semantics of the Windows profile functions. Names and
// values cross this interface as UTF-8; on disk the files are code page 936.
class Profile {
public:
    virtual ~Profile() = default;
    // At most bufferSize - 1 bytes of code page 936 text, never a broken character.
    virtual std::string read(std::string_view section, std::string_view key, std::string_view fallback,
                             std::size_t bufferSize, const std::filesystem::path& file) = 0;
    // Creates the file, section or key if missing; false when it could not write.
    virtual bool write(std::string_view section, std::string_view key, std::string_view value,
                       const std::filesystem::path& file) = 0;
};

// Code page 936 (GBK) where files and the command line demand it.
class CodePage {
public:
    virtual ~CodePage() = default;
    // Characters GBK cannot hold become "?".
    virtual std::string toGbk(std::string_view utf8) const = 0;
    // Invalid bytes become U+FFFD.
    virtual std::string fromGbk(std::string_view gbk) const = 0;
};

// Whether an HTTP answer of this status and body is the file asked for: 2xx
// with content (204 and 205 have none, 206 is only a part). A redirect that
// could not be followed, an error page or an empty answer never replaces a file.
inline bool answerCarriesFile(long status, std::uint64_t bodyBytes) {
    return status >= 200 && status < 300 && status != 204 && status != 205 && status != 206 && bodyBytes > 0;
}

class Network {
public:
    virtual ~Network() = default;
    virtual bool checkConnection(const std::string& url) = 0;
    // Blocks until done or timed out. Only an answer that carries the file
    // (answerCarriesFile) replaces it; on failure the file is left as it was.
    virtual bool downloadToFile(const std::string& url, const std::filesystem::path& file) = 0;
};

enum class WindowStyle { Hidden = 0, NormalFocus = 1, MinimizedFocus = 2 };

struct ProcessInfo {
    std::int64_t pid = 0;
    std::string imageName;  // e.g. "fluvaneapp.exe" or "fluvaneapp"
};

class Processes {
public:
    virtual ~Processes() = default;
    // Never through a shell; returns once the process exists, without waiting.
    virtual bool start(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                       WindowStyle style) = 0;
    virtual std::vector<ProcessInfo> list() = 0;
    // Ends every process of the image name (shared::imageNameMatches) but this one,
    // which ends itself in order; returns without waiting for them to go.
    virtual void terminateByImageName(const std::string& imageName) = 0;
    virtual bool anotherInstanceRunning() = 0;
};

// Hands a page from a later start of the program to the instance already
// running, over a channel only this user can reach.
class InstanceChannel {
public:
    virtual ~InstanceChannel() = default;
    // For the instance that holds the single-instance lock only: it takes the
    // channel over from any instance that died. From then on each page handed
    // over raises pageReceived on the user-interface thread. False when the
    // channel cannot be had.
    virtual bool listen() = 0;
    // Blocks for a bounded time at most; true when the page was delivered.
    virtual bool sendPage(const std::string& pageUrl) = 0;

    std::function<void(const std::string& pageUrl)> pageReceived;
};

struct Shortcut {
    // The name shown. The file is made in the desktop folder and named after
    // it, with what a file name cannot hold replaced; any text is safe here.
    std::string title;
    std::filesystem::path target;
    std::vector<std::string> arguments;
    std::string description;
    std::filesystem::path icon;
};

class Shell {
public:
    virtual ~Shell() = default;
    virtual bool openLink(const std::string& url) = 0;
    virtual bool openInBrowser(const std::string& url) = 0;
    virtual std::filesystem::path desktopFolder() const = 0;
    // Writes into the desktop folder only; false when nothing was written.
    virtual bool createShortcut(const Shortcut& shortcut) = 0;
    // enabled: program starts when the user logs in, under an entry called
    // name; otherwise that entry is removed. True when the state is as asked.
    virtual bool setAutostart(const std::string& name, const std::filesystem::path& program, bool enabled) = 0;
};

// The files the program keeps (the playlist), replaced whole.
class Files {
public:
    virtual ~Files() = default;
    // Hands `write` a sink for the new content; both say whether they could.
    using Sink = std::function<bool(std::string_view bytes)>;
    using Writer = std::function<bool(const Sink& put)>;
    // Replaces `file` in one step, so that a crash, a full disk or a power cut
    // at any moment leaves the old file or the new one, never a mix. A
    // read-only file is not replaced. False leaves `file` exactly as it was.
    virtual bool replace(const std::filesystem::path& file, const Writer& write) = 0;
};

class Application {
public:
    virtual ~Application() = default;
    // The directory of the running executable: the installation, which the
    // client reads (skin, icon, local pages, the player program, the updater).
    virtual std::filesystem::path directory() const = 0;
    // Where the client keeps what it writes (settings, server configuration,
    // notice list, playlist, download temporaries), in the same relative
    // layout: directory() itself when the user may write to it, else a folder
    // of the user's own.
    virtual std::filesystem::path dataDirectory() const = 0;
    // The program a shortcut or the autostart entry starts.
    virtual std::filesystem::path executable() const = 0;
    // The arguments after the program name, as bytes.
    virtual std::vector<std::string> arguments() const = 0;
    // Ends the program with exitCode, in order, once the event now handled
    // returns: its windows close and the platform shuts down, keeping what it
    // keeps (the browser's profile). The caller returns at once and starts
    // nothing more; on the simulated platform it only records the end.
    virtual void endProcess(int exitCode) = 0;
};

}  // namespace fluvane::platform

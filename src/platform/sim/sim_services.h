#pragma once

#include "platform/services.h"
#include "platform/sim/sim_clock.h"

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace fluvane::platform::sim {

// Downloads are served from a table: a URL not in it fails at once; one in it
// takes its virtual duration (a blocking call) and then succeeds or fails. A
// success (an answer that carries the file) replaces the file in one step; a
// failure leaves it as it was.
class SimNetwork final : public platform::Network {
public:
    struct Response {
        std::string body;
        int durationMs = 0;
        bool fails = false;  // the transfer breaks off
        int status = 200;    // the HTTP status of the answer
    };

    explicit SimNetwork(SimClock& clock) : clock_(clock) {}

    bool checkConnection(const std::string& url) override;
    bool downloadToFile(const std::string& url, const std::filesystem::path& file) override;

    void setConnected(bool connected) { connected_ = connected; }
    void serve(const std::string& url, Response response) { responses_[url] = std::move(response); }
    void remove(const std::string& url) { responses_.erase(url); }
    const std::vector<std::string>& connectionChecks() const { return connectionChecks_; }
    // Every URL asked for, in order, failed ones included.
    const std::vector<std::string>& downloads() const { return downloads_; }

private:
    SimClock& clock_;
    bool connected_ = true;
    std::map<std::string, Response> responses_;
    std::vector<std::string> connectionChecks_;
    std::vector<std::string> downloads_;
};

// A process table the test controls. It starts with this process (pid 1,
// image "fluvane"), which no termination ends.
class SimProcesses final : public platform::Processes {
public:
    struct Start {
        std::filesystem::path program;
        std::vector<std::string> arguments;
        platform::WindowStyle style;
        bool started;
    };

    static constexpr std::int64_t kSelf = 1;

    SimProcesses();

    bool start(const std::filesystem::path& program, const std::vector<std::string>& arguments,
               platform::WindowStyle style) override;
    std::vector<platform::ProcessInfo> list() override { return table_; }
    void terminateByImageName(const std::string& imageName) override;
    bool anotherInstanceRunning() override { return anotherInstance_; }

    std::int64_t addProcess(const std::string& imageName);
    // Starting exactly this program adds a process of that image.
    void setSpawns(const std::filesystem::path& program, const std::string& imageName) { spawns_[program] = imageName; }
    // Starting exactly this program fails.
    void setFailsToStart(const std::filesystem::path& program) { failing_.insert(program); }
    void setAnotherInstanceRunning(bool running) { anotherInstance_ = running; }
    const std::vector<Start>& starts() const { return starts_; }
    const std::vector<std::string>& terminations() const { return terminations_; }

private:
    std::vector<platform::ProcessInfo> table_;
    std::int64_t lastPid_ = 1000;
    std::map<std::filesystem::path, std::string> spawns_;
    std::set<std::filesystem::path> failing_;
    bool anotherInstance_ = false;
    std::vector<Start> starts_;
    std::vector<std::string> terminations_;
};

// Records what it is asked; answers true unless told otherwise.
class SimShell final : public platform::Shell {
public:
    explicit SimShell(std::filesystem::path desktop) : desktop_(std::move(desktop)) {}

    bool openLink(const std::string& url) override;
    bool openInBrowser(const std::string& url) override;
    std::filesystem::path desktopFolder() const override { return desktop_; }
    // Writes nothing: the shortcut is only recorded.
    bool createShortcut(const platform::Shortcut& shortcut) override;
    // Writes nothing: the request is only recorded.
    bool setAutostart(const std::string& name, const std::filesystem::path& program, bool enabled) override;

    void setDesktopFolder(std::filesystem::path folder) { desktop_ = std::move(folder); }
    void setSucceeds(bool succeeds) { succeeds_ = succeeds; }
    const std::vector<std::string>& openedLinks() const { return links_; }
    const std::vector<std::string>& openedInBrowser() const { return browsed_; }
    const std::vector<platform::Shortcut>& shortcuts() const { return shortcuts_; }
    struct Autostart {
        std::string name;
        std::filesystem::path program;
        bool enabled;
    };
    const std::vector<Autostart>& autostarts() const { return autostarts_; }

private:
    std::filesystem::path desktop_;
    bool succeeds_ = true;
    std::vector<std::string> links_;
    std::vector<std::string> browsed_;
    std::vector<platform::Shortcut> shortcuts_;
    std::vector<Autostart> autostarts_;
};

// Real files, replaced through a temporary beside them; a test can make
// every replacement fail as a full disk would.
class SimFiles final : public platform::Files {
public:
    bool replace(const std::filesystem::path& file, const Writer& write) override;

    void setFailing(bool failing) { failing_ = failing; }
    int replacements() const { return replacements_; }

private:
    bool failing_ = false;
    int replacements_ = 0;
};

class SimApplication final : public platform::Application {
public:
    // The portable mode: what the client keeps lies in `directory`, unless a
    // test gives it a data directory of its own (an installed copy).
    explicit SimApplication(std::filesystem::path directory) : directory_(std::move(directory)) {}

    std::filesystem::path directory() const override { return directory_; }
    std::filesystem::path dataDirectory() const override {
        return dataDirectory_.empty() ? directory_ : dataDirectory_;
    }
    void setDataDirectory(std::filesystem::path directory) { dataDirectory_ = std::move(directory); }
    std::filesystem::path executable() const override { return directory_ / "fluvane"; }
    std::vector<std::string> arguments() const override { return arguments_; }
    // Records the first end; the process of a real platform would be gone.
    void endProcess(int exitCode) override;

    void setArguments(std::vector<std::string> arguments) { arguments_ = std::move(arguments); }
    bool ended() const { return ended_; }
    int exitCode() const { return exitCode_; }

private:
    std::filesystem::path directory_;
    std::filesystem::path dataDirectory_;
    std::vector<std::string> arguments_;
    bool ended_ = false;
    int exitCode_ = 0;
};

// A test plays the other side: it reads the pages this process handed over
// and delivers pages to it as a later start would.
class SimInstanceChannel final : public platform::InstanceChannel {
public:
    bool listen() override {
        listening_ = true;
        return true;
    }
    // Recorded; delivered as though an instance were listening.
    bool sendPage(const std::string& pageUrl) override {
        sent_.push_back(pageUrl);
        return true;
    }

    // Raises pageReceived, as a later start's page would; nothing arrives
    // while this process does not listen.
    void deliver(const std::string& pageUrl) {
        if (listening_ && pageReceived) pageReceived(pageUrl);
    }
    bool listening() const { return listening_; }
    const std::vector<std::string>& sentPages() const { return sent_; }

private:
    bool listening_ = false;
    std::vector<std::string> sent_;
};

}  // namespace fluvane::platform::sim

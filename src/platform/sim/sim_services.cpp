#include "platform/sim/sim_services.h"
#include "platform/shared/text.h"

#include <algorithm>
#include <fstream>

namespace fluvane::platform::sim {

namespace {

bool writeReplacing(const std::filesystem::path& file, const std::string& body) {
    std::filesystem::path temporary = file;
    temporary += ".download";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out || !out.write(body.data(), static_cast<std::streamsize>(body.size())) || !out.flush()) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, file, error);
    if (error) std::filesystem::remove(temporary, error);
    return !error;
}

}  // namespace

bool SimNetwork::checkConnection(const std::string& url) {
    connectionChecks_.push_back(url);
    return connected_;
}

bool SimNetwork::downloadToFile(const std::string& url, const std::filesystem::path& file) {
    downloads_.push_back(url);
    auto found = responses_.find(url);
    if (found == responses_.end()) return false;
    const Response response = found->second;
    clock_.block(response.durationMs);
    return !response.fails && platform::answerCarriesFile(response.status, response.body.size()) &&
           writeReplacing(file, response.body);
}

SimProcesses::SimProcesses() { table_.push_back({kSelf, "fluvane"}); }

bool SimProcesses::start(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                         platform::WindowStyle style) {
    const bool started = !failing_.contains(program);
    starts_.push_back({program, arguments, style, started});
    if (started)
        if (auto spawned = spawns_.find(program); spawned != spawns_.end()) addProcess(spawned->second);
    return started;
}

void SimProcesses::terminateByImageName(const std::string& imageName) {
    terminations_.push_back(imageName);
    std::erase_if(table_, [&](const platform::ProcessInfo& process) {
        return process.pid != kSelf && shared::imageNameMatches(imageName, process.imageName);
    });
}

std::int64_t SimProcesses::addProcess(const std::string& imageName) {
    table_.push_back({++lastPid_, imageName});
    return lastPid_;
}

bool SimFiles::replace(const std::filesystem::path& file, const Writer& write) {
    ++replacements_;
    const std::filesystem::path temporary = file.string() + ".sim-tmp";
    bool written = !failing_;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        written = written && out && write([&out](std::string_view bytes) {
                      out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
                      return static_cast<bool>(out);
                  });
    }
    std::error_code error;
    if (written) std::filesystem::rename(temporary, file, error);
    if (!written || error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

bool SimShell::openLink(const std::string& url) {
    links_.push_back(url);
    return succeeds_;
}

bool SimShell::openInBrowser(const std::string& url) {
    browsed_.push_back(url);
    return succeeds_;
}

bool SimShell::createShortcut(const platform::Shortcut& shortcut) {
    shortcuts_.push_back(shortcut);
    return succeeds_;
}

bool SimShell::setAutostart(const std::string& name, const std::filesystem::path& program, bool enabled) {
    autostarts_.push_back({name, program, enabled});
    return succeeds_;
}

void SimApplication::endProcess(int exitCode) {
    if (ended_) return;
    ended_ = true;
    exitCode_ = exitCode;
}

}  // namespace fluvane::platform::sim

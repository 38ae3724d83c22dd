#pragma once

#include "platform/services.h"

#include <filesystem>
#include <memory>
#include <string>

class QLocalServer;
class QLocalSocket;

namespace fluvane::platform::qt {

// A local socket in a folder private to this user (the single-instance
// lock's), reachable by this user only. A connection carries one page URL,
// UTF-8 without control characters, ended by a line break, at most
// kMaxMessageBytes in all; a peer that sends anything else, or takes longer
// than kPeerTimeoutMs, is cut off and nothing of it is raised.
class QtInstanceChannel final : public platform::InstanceChannel {
public:
    static constexpr int kMaxMessageBytes = 8192;
    static constexpr int kPeerTimeoutMs = 2000;

    // The socket is folder/name; with an empty folder there is no channel.
    QtInstanceChannel(const std::filesystem::path& folder, const std::string& name);
    ~QtInstanceChannel() override;

    bool listen() override;
    bool sendPage(const std::string& pageUrl) override;

private:
    void acceptPending();
    void read(QLocalSocket& peer);

    std::filesystem::path socketFile_;
    std::unique_ptr<QLocalServer> server_;
};

}  // namespace fluvane::platform::qt

#pragma once

#include "platform/services.h"

#include <chrono>
#include <cstdint>

namespace fluvane::platform::posix {

struct NetworkLimits {
    std::chrono::milliseconds connect{5000};
    std::chrono::milliseconds total{20000};
    // A transfer slower than lowSpeedBytes per second for lowSpeedTime is dropped.
    std::chrono::seconds lowSpeedTime{5};
    long lowSpeedBytes = 64;
    // An endless body on a fast line must not fill the disk before the time runs out.
    std::uint64_t maxBytes = 64u << 20;
};

// HTTP through libcurl, http and https only.
class CurlNetwork final : public Network {
public:
    explicit CurlNetwork(NetworkLimits limits = {});

    // Any HTTP answer, whatever its status, means connected.
    bool checkConnection(const std::string& url) override;
    // Only a 2xx answer with content replaces the file; redirects are followed.
    bool downloadToFile(const std::string& url, const std::filesystem::path& file) override;

private:
    NetworkLimits limits_;
};

}  // namespace fluvane::platform::posix

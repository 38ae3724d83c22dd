#include "platform/posix/curl_network.h"

#include "platform/posix/pending_file.h"

#include <curl/curl.h>

#include <memory>
#include <mutex>

namespace fluvane::platform::posix {
namespace {

struct CurlDeleter {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
using Handle = std::unique_ptr<CURL, CurlDeleter>;

Handle makeHandle(const std::string& url, const NetworkLimits& limits, std::chrono::milliseconds total) {
    static std::once_flag initialised;
    std::call_once(initialised, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    Handle curl(curl_easy_init());
    if (!curl) return curl;
    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, url.c_str());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits.connect.count()));
    curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, static_cast<long>(total.count()));
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, static_cast<long>(limits.lowSpeedTime.count()));
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, limits.lowSpeedBytes);
    return curl;
}

struct Sink {
    PendingFile* file;
    std::uint64_t left;
};

std::size_t writeBody(char* data, std::size_t size, std::size_t count, void* user) {
    auto* sink = static_cast<Sink*>(user);
    const std::size_t bytes = size * count;
    if (bytes > sink->left || !sink->file->write(data, bytes)) return 0;  // aborts the transfer
    sink->left -= bytes;
    return bytes;
}

}  // namespace

CurlNetwork::CurlNetwork(NetworkLimits limits) : limits_(limits) {}

bool CurlNetwork::checkConnection(const std::string& url) {
    // Only an answer is wanted, so the connect limit bounds the whole check.
    Handle curl = makeHandle(url, limits_, limits_.connect);
    if (!curl) return false;
    curl_easy_setopt(curl.get(), CURLOPT_NOBODY, 1L);
    const CURLcode result = curl_easy_perform(curl.get());
    long status = 0;
    curl_easy_getinfo(curl.get(), CURLINFO_RESPONSE_CODE, &status);
    return result == CURLE_OK && status > 0;
}

bool CurlNetwork::downloadToFile(const std::string& url, const std::filesystem::path& file) {
    Handle curl = makeHandle(url, limits_, limits_.total);
    PendingFile pending(file);
    if (!curl || !pending.ok()) return false;
    Sink sink{&pending, limits_.maxBytes};
    curl_easy_setopt(curl.get(), CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl.get(), CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEFUNCTION, writeBody);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEDATA, &sink);
    const CURLcode result = curl_easy_perform(curl.get());
    long status = 0;
    curl_easy_getinfo(curl.get(), CURLINFO_RESPONSE_CODE, &status);
    return result == CURLE_OK && answerCarriesFile(status, limits_.maxBytes - sink.left) && pending.commit();
}

}  // namespace fluvane::platform::posix

#include <httplib.h>

#include <chrono>
#include <random>
#include <thread>

#include "routes.hpp"

namespace portal {

namespace {

using namespace std::chrono_literals;

constexpr auto kTick = 100ms;
// The server cannot see a client hang up while a handler is blocked, so a
// hanging request is released after this long at the latest.
constexpr auto kHangLimit = 120s;

std::string random_bytes(std::size_t count) {
    std::random_device seed;
    std::mt19937 generator(seed());
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes(count, '\0');
    for (char& c : bytes) c = static_cast<char>(byte(generator));
    return bytes;
}

}  // namespace

void install_fault_routes(httplib::Server& server, const std::atomic<bool>& stopping) {
    server.Get("/fault/500", [](const httplib::Request&, httplib::Response& res) {
        res.status = 500;
        res.set_content("500 Internal Server Error (deliberate)\n", "text/plain; charset=utf-8");
    });

    server.Get("/fault/garbage", [](const httplib::Request&, httplib::Response& res) {
        res.set_content(random_bytes(4096), "text/html; charset=utf-8");
    });

    server.Get("/fault/endless", [&stopping](const httplib::Request&, httplib::Response& res) {
        res.set_chunked_content_provider("text/html; charset=utf-8", [&stopping](std::size_t, httplib::DataSink& sink) {
            std::this_thread::sleep_for(kTick);
            if (stopping || !sink.is_writable()) return false;
            static constexpr char kChunk[] = "<p>...</p>\n";
            return sink.write(kChunk, sizeof kChunk - 1);
        });
    });

    server.Get("/fault/hang", [&stopping](const httplib::Request&, httplib::Response& res) {
        const auto deadline = std::chrono::steady_clock::now() + kHangLimit;
        while (!stopping && std::chrono::steady_clock::now() < deadline) std::this_thread::sleep_for(kTick);
        res.status = 503;
    });
}

}  // namespace portal

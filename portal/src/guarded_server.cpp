#include "guarded_server.hpp"

#include <sys/socket.h>
#include <unistd.h>

#include <charconv>
#include <chrono>
#include <cstdint>
#include <span>
#include <string_view>

#include "connection_stream.hpp"
#include "http_fields.hpp"

namespace portal {

namespace {

// Beyond this many open connections a new one is turned away at once.
constexpr int kMaxConnections = 128;
// The workers beyond the cap only turn connections away, so a full house
// never leaves a newcomer waiting in the queue.
constexpr std::size_t kWorkerThreads = kMaxConnections + 8;
constexpr int kListenBacklog = 128;

constexpr std::size_t kMaxHeadBytes = 16 * 1024;  // request line and headers together
constexpr std::size_t kMaxBodyBytes = 64 * 1024;
constexpr time_t kRequestSeconds = 5;  // a request must arrive whole within this
constexpr time_t kWriteSeconds = 5;    // a write may stall this long
constexpr time_t kKeepAliveSeconds = 5;
constexpr std::size_t kKeepAliveRequests = 100;
// Closing with unread input makes the system reset the connection, which
// may destroy the last answer before the client has read it (a refused
// upload, for one); so the input is drained and discarded until the client
// stops sending, within bounds.
constexpr std::size_t kLingerBytes = 16 * 1024 * 1024;
constexpr auto kLingerTime = std::chrono::seconds(1);

std::string busy_answer() {
    const std::string body = "503 Too many connections\n";
    return "HTTP/1.1 503 Service Unavailable\r\nConnection: close\r\nRetry-After: 1\r\n"
           "Content-Type: text/plain; charset=utf-8\r\nContent-Length: " +
           std::to_string(body.size()) + "\r\n\r\n" + body;
}

bool announces_oversized_body(const httplib::Request& req) {
    if (!req.has_header("Content-Length")) return false;
    const std::string value = req.get_header_value("Content-Length");
    std::uint64_t length = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), length);
    return ec == std::errc::result_out_of_range || (ec == std::errc{} && length > kMaxBodyBytes);
}

// The library's default also sets SO_REUSEPORT, which would let a second
// portal silently share a busy port instead of failing to start.
void reuse_address_only(socket_t sock) {
    int yes = 1;
    setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
}

// The library would parse Range values itself, refusing with 416 any it
// cannot read (where a range unit it does not know must be ignored), and
// would apply ranges to every answer, error pages included, with
// Content-Range values past the end. So the field is renamed in the
// buffered head before the library reads it, and the routes answer ranges
// themselves. The new name has as many letters, so the head's size and its
// limit are unchanged.
void hide_range_fields(std::span<char> head) {
    constexpr std::string_view kName = "range";
    static_assert(kRangeField.size() == kName.size());
    for (std::size_t line = 0; line < head.size(); ++line) {
        if (line > 0 && head[line - 1] != '\n') continue;
        std::size_t i = 0;
        while (i < kName.size() && line + i < head.size() && (head[line + i] | 0x20) == kName[i]) ++i;
        if (i < kName.size()) continue;
        std::size_t colon = line + i;
        while (colon < head.size() && (head[colon] == ' ' || head[colon] == '\t')) ++colon;
        if (colon < head.size() && head[colon] == ':')
            std::copy(kRangeField.begin(), kRangeField.end(), head.begin() + static_cast<std::ptrdiff_t>(line));
    }
}

// Content goes out as stored, uncompressed: the library would compress pages
// under the ETag of their stored bytes, and partial content too.
void send_identity(httplib::Request& req) { req.headers.erase("Accept-Encoding"); }

}  // namespace

GuardedServer::GuardedServer() {
    new_task_queue = [] { return new httplib::ThreadPool(kWorkerThreads); };
    set_socket_options(reuse_address_only);
    set_read_timeout(kRequestSeconds);
    set_write_timeout(kWriteSeconds);
    set_keep_alive_timeout(kKeepAliveSeconds);
    set_keep_alive_max_count(kKeepAliveRequests);
    set_payload_max_length(kMaxBodyBytes);
    set_expect_100_continue_handler([](const httplib::Request& req, httplib::Response& res) {
        if (!announces_oversized_body(req)) return 100;
        res.status = 413;
        res.set_header("Connection", "close");
        return 413;
    });
}

int GuardedServer::bind_listener(const std::string& host, int port) {
    const int bound = port == 0 ? bind_to_any_port(host) : (bind_to_port(host, port) ? port : -1);
    if (bound <= 0) return -1;
    // The library listens with a backlog of five; a burst of connections
    // would overflow it and leave a newcomer waiting for a SYN retry.
    ::listen(svr_sock_, kListenBacklog);
    return bound;
}

bool GuardedServer::process_and_close_socket(socket_t sock) {
    const auto write_timeout =
        std::chrono::seconds(write_timeout_sec_) + std::chrono::microseconds(write_timeout_usec_);
    ConnectionStream stream(sock, write_timeout, [this] { return svr_sock_ == INVALID_SOCKET; });
    if (++open_connections_ > kMaxConnections) {
        const std::string answer = busy_answer();
        stream.write(answer.data(), answer.size());
    } else {
        serve(stream);
    }
    ::shutdown(sock, SHUT_WR);
    stream.drain(kLingerBytes, kLingerTime);
    ::close(sock);
    --open_connections_;
    return true;
}

void GuardedServer::serve(ConnectionStream& stream) {
    const auto arrival = std::chrono::seconds(read_timeout_sec_) + std::chrono::microseconds(read_timeout_usec_);
    for (std::size_t served = 0; served < keep_alive_max_count_; ++served) {
        if (!stream.wait_for_request(std::chrono::seconds(keep_alive_timeout_sec_))) return;
        stream.begin_request(kMaxHeadBytes, ConnectionStream::Clock::now() + arrival);
        if (stream.buffer_head(kMaxHeadBytes)) hide_range_fields(stream.head());
        bool closed = false;
        const bool last = served + 1 == keep_alive_max_count_;
        const bool answered = process_request(stream, last, closed, [&](httplib::Request& req) {
            send_identity(req);
            // A body over the limit is refused unread; its bytes must not be
            // taken for the next request, so the connection ends with it.
            const bool oversized = announces_oversized_body(req);
            stream.begin_body(oversized ? 0 : kMaxBodyBytes);
            closed = closed || oversized;
        });
        if (!answered || closed || stream.spent()) return;
    }
}

}  // namespace portal

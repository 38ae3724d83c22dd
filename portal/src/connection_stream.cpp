#include "connection_stream.hpp"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace portal {

namespace {

using namespace std::chrono_literals;

constexpr auto kSlice = 50ms;

void numeric_address(socket_t sock, bool peer, std::string& ip, int& port) {
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    auto* raw = reinterpret_cast<sockaddr*>(&address);
    const int result = peer ? getpeername(sock, raw, &length) : getsockname(sock, raw, &length);
    char host[NI_MAXHOST];
    char service[NI_MAXSERV];
    if (result != 0 ||
        getnameinfo(raw, length, host, sizeof host, service, sizeof service, NI_NUMERICHOST | NI_NUMERICSERV) != 0)
        return;
    ip = host;
    port = std::atoi(service);
}

}  // namespace

ConnectionStream::ConnectionStream(socket_t sock, Clock::duration write_timeout, std::function<bool()> stopping)
    : sock_(sock), write_timeout_(write_timeout), stopping_(std::move(stopping)) {}

bool ConnectionStream::wait_for(short events, Clock::time_point until) const {
    while (!stopping_()) {
        const auto left = until - Clock::now();
        if (left <= Clock::duration::zero()) return false;
        const auto slice =
            std::chrono::duration_cast<std::chrono::milliseconds>(std::min<Clock::duration>(left, kSlice));
        pollfd watch{sock_, events, 0};
        const int ready = poll(&watch, 1, static_cast<int>(slice.count()) + 1);
        if (ready > 0) return true;  // errors and hang-ups too: the next read or write reports them
        if (ready < 0 && errno != EINTR) return false;
    }
    return false;
}

bool ConnectionStream::wait_for_request(Clock::duration idle) {
    return !spent() && (begin_ < end_ || wait_for(POLLIN, Clock::now() + idle));
}

void ConnectionStream::begin_request(std::size_t budget, Clock::time_point deadline) {
    budget_ = budget;
    deadline_ = deadline;
}

bool ConnectionStream::buffer_head(std::size_t limit) {
    head_size_ = 0;
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
    limit = std::min(limit, buffer_.size());
    std::size_t searched = 0;  // bytes already searched for the head's end
    while (true) {
        // The head ends with an empty line; the library takes bare line feeds too.
        for (std::size_t i = searched; i < end_; ++i) {
            if (buffer_[i] != '\n') continue;
            const std::size_t next = i + 1 < end_ && buffer_[i + 1] == '\r' ? i + 2 : i + 1;
            if (next < end_ && buffer_[next] == '\n') {
                head_size_ = next + 1;
                return true;
            }
        }
        searched = end_ >= 2 ? end_ - 2 : 0;
        if (end_ >= limit || !wait_for(POLLIN, deadline_)) return false;
        ssize_t received;
        do received = recv(sock_, buffer_.data() + end_, limit - end_, 0);
        while (received < 0 && errno == EINTR);
        if (received <= 0) return false;
        end_ += static_cast<std::size_t>(received);
    }
}

void ConnectionStream::begin_body(std::size_t budget) { budget_ = budget; }

void ConnectionStream::drain(std::size_t limit, Clock::duration patience) {
    const auto until = Clock::now() + patience;
    while (limit > 0 && wait_for(POLLIN, until)) {
        const ssize_t received = recv(sock_, buffer_.data(), std::min(buffer_.size(), limit), 0);
        if (received <= 0) return;
        limit -= static_cast<std::size_t>(received);
    }
}

bool ConnectionStream::fill() {
    if (!wait_for(POLLIN, deadline_)) return false;
    ssize_t received;
    do received = recv(sock_, buffer_.data(), buffer_.size(), 0);
    while (received < 0 && errno == EINTR);
    if (received <= 0) return false;
    begin_ = 0;
    end_ = static_cast<std::size_t>(received);
    return true;
}

ssize_t ConnectionStream::read(char* ptr, size_t size) {
    if (read_failed_ || budget_ == 0 || (begin_ == end_ && !fill())) {
        read_failed_ = true;
        return -1;
    }
    const std::size_t count = std::min({size, end_ - begin_, budget_});
    std::memcpy(ptr, buffer_.data() + begin_, count);
    begin_ += count;
    budget_ -= count;
    return static_cast<ssize_t>(count);
}

ssize_t ConnectionStream::write(const char* ptr, size_t size) {
    if (write_failed_ || !wait_for(POLLOUT, Clock::now() + write_timeout_)) {
        write_failed_ = true;
        return -1;
    }
    ssize_t sent;
    do sent = send(sock_, ptr, size, MSG_NOSIGNAL);
    while (sent < 0 && errno == EINTR);
    if (sent < 0) write_failed_ = true;
    return sent;
}

bool ConnectionStream::is_readable() const { return !read_failed_ && (begin_ < end_ || wait_for(POLLIN, deadline_)); }

bool ConnectionStream::is_writable() const {
    return !write_failed_ && wait_for(POLLOUT, Clock::now() + write_timeout_);
}

void ConnectionStream::get_remote_ip_and_port(std::string& ip, int& port) const {
    numeric_address(sock_, true, ip, port);
}

void ConnectionStream::get_local_ip_and_port(std::string& ip, int& port) const {
    numeric_address(sock_, false, ip, port);
}

}  // namespace portal

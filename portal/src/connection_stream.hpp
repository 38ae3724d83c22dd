#pragma once

#include <httplib.h>

#include <array>
#include <chrono>
#include <cstddef>
#include <functional>
#include <span>

namespace portal {

// One client connection as the HTTP library reads and writes it, with the
// limits that keep a client from holding a worker or memory for long: each
// request must arrive whole before its deadline and within its byte budget,
// and a write that makes no progress for the write timeout fails. Waits are
// cut into short slices so that a stopping server is not held up.
class ConnectionStream final : public httplib::Stream {
public:
    using Clock = std::chrono::steady_clock;

    ConnectionStream(socket_t sock, Clock::duration write_timeout, std::function<bool()> stopping);

    // Waits up to `idle` for the first byte of the next request.
    bool wait_for_request(Clock::duration idle);

    // The next request's head may take `budget` bytes, and the whole request
    // must have arrived by `deadline`.
    void begin_request(std::size_t budget, Clock::time_point deadline);

    // Reads ahead until the buffer holds the next request's whole head, up
    // to its empty line, of at most `limit` bytes, by the request's
    // deadline; then `head` is that head, which may be altered in place
    // before the library reads it. False when the head does not arrive so:
    // the library then meets the same limits reading it.
    bool buffer_head(std::size_t limit);
    std::span<char> head() { return {buffer_.data() + begin_, head_size_}; }

    // The head is read; the body may take `budget` more bytes.
    void begin_body(std::size_t budget);

    // Reads and discards up to `limit` bytes until the peer closes or
    // `patience` runs out; for the end of the connection only.
    void drain(std::size_t limit, Clock::duration patience);

    // A limit was hit or the connection failed: serve no further request.
    bool spent() const { return read_failed_ || write_failed_; }

    bool is_readable() const override;
    bool is_writable() const override;
    ssize_t read(char* ptr, size_t size) override;
    ssize_t write(const char* ptr, size_t size) override;
    void get_remote_ip_and_port(std::string& ip, int& port) const override;
    void get_local_ip_and_port(std::string& ip, int& port) const override;
    socket_t socket() const override { return sock_; }

private:
    bool wait_for(short events, Clock::time_point until) const;
    bool fill();

    socket_t sock_;
    Clock::duration write_timeout_;
    std::function<bool()> stopping_;
    // Room for a whole head within the server's limit, and some more.
    std::array<char, 20 * 1024> buffer_{};
    std::size_t begin_ = 0;  // unread bytes are buffer_[begin_, end_)
    std::size_t end_ = 0;
    std::size_t head_size_ = 0;
    std::size_t budget_ = 0;
    Clock::time_point deadline_{};
    bool read_failed_ = false;  // later reads fail at once; the answer may still be written
    bool write_failed_ = false;
};

}  // namespace portal

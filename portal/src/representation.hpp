#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace httplib {
struct Request;
struct Response;
}  // namespace httplib

namespace portal {

// A site file held open, so that what is sent and the validators describe
// the same file even when it is replaced meanwhile.
class OpenFile {
public:
    // Nothing when `file` is not a regular file that can be read.
    static std::shared_ptr<const OpenFile> open(const std::filesystem::path& file);
    ~OpenFile();
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    std::uint64_t size() const { return static_cast<std::uint64_t>(status_.st_size); }
    std::time_t modified() const { return status_.st_mtim.tv_sec; }
    // Size and modification time to the nanosecond: a strong validator for
    // the file's bytes, without reading them.
    std::string etag() const;

    // Fills `out` with `count` bytes from `offset`; false when the file
    // has become shorter or cannot be read.
    bool read_at(std::uint64_t offset, std::size_t count, char* out) const;
    std::optional<std::string> read_all() const;

private:
    OpenFile(int fd, const struct stat& status) : fd_(fd), status_(status) {}
    int fd_;
    struct stat status_;
};

// Strong entity tag of the bytes themselves, for content made per request.
std::string content_etag(std::string_view bytes);

// One answer to a GET or HEAD: the content with the headers a cache needs.
struct Representation {
    std::string content_type;
    std::string cache_control;
    std::string etag;                          // with its quotes
    std::optional<std::time_t> last_modified;  // none for content made per request
    bool varies_by_cookie = false;
    std::string bytes;                         // the content, unless `file` holds it
    std::shared_ptr<const OpenFile> file;
};

// Sends `rep` as the request asks: 304 when a validator of the request still
// matches (If-None-Match, else If-Modified-Since), 206 for a single byte
// range of a GET (subject to If-Range), 416 for a range past the end, else
// 200. A file is read only for the bytes sent, as they are sent.
void send_representation(const httplib::Request& req, httplib::Response& res, Representation rep);

}  // namespace portal

#include "representation.hpp"

#include <fcntl.h>
#include <httplib.h>
#include <openssl/evp.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <variant>

#include "http_fields.hpp"
#include "text.hpp"

namespace portal {

namespace {

constexpr std::size_t kReadChunk = 64 * 1024;

std::string hex_number(std::uint64_t value) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string digits;
    do {
        digits.insert(digits.begin(), kHex[value & 0x0F]);
        value >>= 4;
    } while (value != 0);
    return digits;
}

// A Last-Modified later than the answer's own date would be taken as
// wrong by caches, so a file dated in the future counts as changed now.
std::time_t not_after(std::time_t when, std::time_t now) { return std::min(when, now); }

// Request validators, evaluated as RFC 9110 orders them: If-None-Match
// when present, else If-Modified-Since.
bool not_modified(const httplib::Request& req, const Representation& rep, std::time_t now) {
    const std::size_t tags = req.get_header_value_count("If-None-Match");
    if (tags > 0) {
        for (std::size_t i = 0; i < tags; ++i)
            if (entity_tag_list_matches(req.get_header_value("If-None-Match", i), rep.etag)) return true;
        return false;
    }
    if (!rep.last_modified || req.get_header_value_count("If-Modified-Since") != 1) return false;
    const auto since = parse_http_date(req.get_header_value("If-Modified-Since"));
    // A date past the server's clock is not a valid validator.
    return since && *since <= now && not_after(*rep.last_modified, now) <= *since;
}

// If-Range: the range applies only while the client's copy is still current,
// otherwise the whole content replaces it. A date counts only when it equals
// Last-Modified and that lies a second or more in the past (a strong
// validator then).
bool range_still_applies(const httplib::Request& req, const Representation& rep, std::time_t now) {
    if (!req.has_header("If-Range")) return true;
    if (req.get_header_value_count("If-Range") != 1) return false;
    const std::string value = req.get_header_value("If-Range");
    if (value.starts_with('"') || value.starts_with("W/")) return entity_tag_strongly_equal(value, rep.etag);
    const auto date = parse_http_date(value);
    return date && rep.last_modified && *rep.last_modified < now && *date == *rep.last_modified;
}

void set_content(httplib::Response& res, const Representation& rep, std::uint64_t first, std::uint64_t length) {
    if (!rep.file) {
        res.set_content(rep.bytes.substr(first, length), rep.content_type.c_str());
        return;
    }
    if (length == 0) {  // the library takes a provider of no length for one of unknown length
        res.set_content("", rep.content_type.c_str());
        return;
    }
    res.set_content_provider(static_cast<std::size_t>(length), rep.content_type,
                             [file = rep.file, first](std::size_t offset, std::size_t left, httplib::DataSink& sink) {
                                 char buffer[kReadChunk];
                                 const std::size_t count = std::min(left, sizeof buffer);
                                 // A file cut short while being sent ends the
                                 // connection rather than sending too little.
                                 return file->read_at(first + offset, count, buffer) && sink.write(buffer, count);
                             });
}

}  // namespace

std::shared_ptr<const OpenFile> OpenFile::open(const std::filesystem::path& file) {
    // The path has been resolved already: a symbolic link put in its place
    // since then is not followed.
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return nullptr;
    struct stat status {};
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    return std::shared_ptr<const OpenFile>(new OpenFile(fd, status));
}

OpenFile::~OpenFile() { ::close(fd_); }

std::string OpenFile::etag() const {
    const auto nanoseconds = static_cast<std::uint64_t>(status_.st_mtim.tv_sec) * 1'000'000'000u +
                             static_cast<std::uint64_t>(status_.st_mtim.tv_nsec);
    return '"' + hex_number(size()) + '-' + hex_number(nanoseconds) + '"';
}

bool OpenFile::read_at(std::uint64_t offset, std::size_t count, char* out) const {
    while (count > 0) {
        const ssize_t got = pread(fd_, out, count, static_cast<off_t>(offset));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        out += got;
        count -= static_cast<std::size_t>(got);
        offset += static_cast<std::uint64_t>(got);
    }
    return true;
}

std::optional<std::string> OpenFile::read_all() const {
    std::string content(static_cast<std::size_t>(size()), '\0');
    if (!read_at(0, content.size(), content.data())) return std::nullopt;
    return content;
}

std::string content_etag(std::string_view bytes) {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_Digest(bytes.data(), bytes.size(), digest, &length, EVP_sha256(), nullptr) != 1) length = 0;
    // 128 bits of the digest are plenty to tell versions of a page apart.
    const std::string_view half(reinterpret_cast<const char*>(digest), std::min(length, 16u));
    return "\"c" + to_hex(half) + '"';
}

void send_representation(const httplib::Request& req, httplib::Response& res, Representation rep) {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    const std::uint64_t size = rep.file ? rep.file->size() : rep.bytes.size();

    res.set_header("Accept-Ranges", "bytes");
    res.set_header("Cache-Control", rep.cache_control);
    res.set_header("ETag", rep.etag);
    if (rep.last_modified) res.set_header("Last-Modified", format_http_date(not_after(*rep.last_modified, now)));
    if (rep.varies_by_cookie) res.set_header("Vary", "Cookie");

    if (not_modified(req, rep, now)) {
        res.status = 304;
        // Without it the library would announce an empty body, which a
        // cache could take as the stored content's new length.
        res.set_header("Content-Length", std::to_string(size));
        return;
    }
    // Ranges are defined for GET only; HEAD describes the whole content.
    RangeRequest range = WholeContent{};
    const std::string field(kRangeField);
    if (req.method == "GET" && req.get_header_value_count(field) == 1 && range_still_applies(req, rep, now))
        range = parse_range(req.get_header_value(field), size);

    if (std::holds_alternative<Unsatisfiable>(range)) {
        res.headers.erase("ETag");
        res.headers.erase("Last-Modified");
        res.headers.erase("Cache-Control");
        res.status = 416;
        res.set_header("Content-Range", "bytes */" + std::to_string(size));
        res.set_content("416 Range Not Satisfiable\n", "text/plain; charset=utf-8");
        return;
    }
    if (const auto* span = std::get_if<ByteSpan>(&range)) {
        res.status = 206;
        res.set_header("Content-Range", "bytes " + std::to_string(span->first) + '-' + std::to_string(span->last) +
                                            '/' + std::to_string(size));
        set_content(res, rep, span->first, span->last - span->first + 1);
        return;
    }
    res.status = 200;
    set_content(res, rep, 0, size);
}

}  // namespace portal

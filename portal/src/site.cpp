#include "site.hpp"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <optional>
#include <utility>

namespace portal {

namespace {

namespace fs = std::filesystem;

bool is_number(std::string_view text) {
    return !text.empty() && text.size() <= 9 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Rejects ".." anywhere as a segment, a leading '/' (root / "/x" is "/x"), and
// bytes that a file system would read as separators or terminators, so no
// request can leave the site directory.
bool safe_relative_path(std::string_view relative) {
    if (!relative.empty() && relative.front() == '/') return false;
    if (relative.find('\\') != std::string_view::npos || relative.find('\0') != std::string_view::npos) return false;
    std::size_t start = 0;
    while (start <= relative.size()) {
        const std::size_t end = std::min(relative.find('/', start), relative.size());
        if (relative.substr(start, end - start) == "..") return false;
        start = end + 1;
    }
    return true;
}

// The real location of `file` when it lies inside `root` (which is itself a
// real path). A symbolic link in the site may point anywhere, so the check is
// made on the resolved path, and that path is what gets served.
std::optional<fs::path> inside_root(const fs::path& root, const fs::path& file) {
    std::error_code ec;
    fs::path real = fs::canonical(file, ec);
    if (ec) return std::nullopt;
    if (std::mismatch(root.begin(), root.end(), real.begin(), real.end()).first != root.end()) return std::nullopt;
    return real;
}

std::optional<fs::path> regular_inside(const fs::path& root, const fs::path& file) {
    auto real = inside_root(root, file);
    std::error_code ec;
    if (!real || !fs::is_regular_file(*real, ec)) return std::nullopt;
    return real;
}

}  // namespace

Resolution resolve_site_path(const fs::path& root, std::string_view path, std::string_view id) {
    if (path.empty() || path.front() != '/') return NotFound{};
    const std::string_view relative = path.substr(1);
    if (!safe_relative_path(relative)) return NotFound{};
    const fs::path target = root / fs::path(relative);

    if (path.back() == '/') {
        if (is_number(id)) {
            if (auto numbered = regular_inside(root, target / ("index" + std::string(id) + ".html")))
                return ServeFile{*numbered};
        }
        if (auto index = regular_inside(root, target / "index.html")) return ServeFile{*index};
        return NotFound{};
    }
    const auto real = inside_root(root, target);
    if (!real) return NotFound{};
    std::error_code ec;
    if (fs::is_directory(*real, ec)) return RedirectTo{std::string(path) + "/"};
    if (fs::is_regular_file(*real, ec)) return ServeFile{*real};
    return NotFound{};
}

namespace {

// Pictures, styles, scripts, fonts and media change only with a new file
// name in a real portal, so caches may keep them for a week.
constexpr std::string_view kLasting = "public, max-age=604800";

struct FileKind {
    std::string_view extension;
    std::string_view type;
    bool lasting;
};

constexpr std::array<FileKind, 22> kKinds{{
    {".html", "text/html; charset=utf-8", false},
    {".htm", "text/html; charset=utf-8", false},
    {".asp", "text/html; charset=utf-8", false},
    {".txt", "text/plain; charset=gbk", false},
    {".json", "application/json", false},
    {".css", "text/css; charset=utf-8", true},
    {".js", "text/javascript; charset=utf-8", true},
    {".svg", "image/svg+xml", true},
    {".png", "image/png", true},
    {".jpg", "image/jpeg", true},
    {".jpeg", "image/jpeg", true},
    {".gif", "image/gif", true},
    {".webp", "image/webp", true},
    {".ico", "image/x-icon", true},
    {".woff2", "font/woff2", true},
    {".woff", "font/woff", true},
    {".mp4", "video/mp4", true},
    {".webm", "video/webm", true},
    {".m4a", "audio/mp4", true},
    {".mp3", "audio/mpeg", true},
    {".ogg", "audio/ogg", true},
    {".vtt", "text/vtt; charset=utf-8", false},
}};

const FileKind* kind_of(const fs::path& file) {
    const std::string extension = file.extension().string();
    for (const auto& kind : kKinds)
        if (kind.extension == extension) return &kind;
    return nullptr;
}

}  // namespace

std::string content_type_for(const fs::path& file) {
    const FileKind* kind = kind_of(file);
    return std::string(kind ? kind->type : "application/octet-stream");
}

std::string cache_control_for(std::string_view path, const fs::path& file) {
    // The client downloads the configuration itself and must always get it fresh.
    if (path.starts_with("/zel/")) return "no-store";
    const FileKind* kind = kind_of(file);
    return std::string(kind && kind->lasting ? kLasting : "no-cache");
}

bool is_html(const fs::path& file) {
    const std::string type = content_type_for(file);
    return type.starts_with("text/html");
}

bool is_gbk_text(const fs::path& file) { return file.extension() == ".txt"; }

std::optional<std::string> read_site_file(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return std::nullopt;
    return content;
}

}  // namespace portal

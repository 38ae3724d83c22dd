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
    if (!relative.empty() && relative.front() == '/')
        return false;
    if (relative.find('\\') != std::string_view::npos || relative.find('\0') != std::string_view::npos)
        return false;
    std::size_t start = 0;
    while (start <= relative.size()) {
        const std::size_t end = std::min(relative.find('/', start), relative.size());
        if (relative.substr(start, end - start) == "..")
            return false;
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
    if (ec)
        return std::nullopt;
    if (std::mismatch(root.begin(), root.end(), real.begin(), real.end()).first != root.end())
        return std::nullopt;
    return real;
}

std::optional<fs::path> regular_inside(const fs::path& root, const fs::path& file) {
    auto real = inside_root(root, file);
    std::error_code ec;
    if (!real || !fs::is_regular_file(*real, ec))
        return std::nullopt;
    return real;
}

}  // namespace

Resolution resolve_site_path(const fs::path& root, std::string_view path, std::string_view id) {
    if (path.empty() || path.front() != '/')
        return NotFound{};
    const std::string_view relative = path.substr(1);
    if (!safe_relative_path(relative))
        return NotFound{};
    const fs::path target = root / fs::path(relative);

    if (path.back() == '/') {
        if (is_number(id)) {
            if (auto numbered = regular_inside(root, target / ("index" + std::string(id) + ".html")))
                return ServeFile{*numbered};
        }
        if (auto index = regular_inside(root, target / "index.html"))
            return ServeFile{*index};
        return NotFound{};
    }
    const auto real = inside_root(root, target);
    if (!real)
        return NotFound{};
    std::error_code ec;
    if (fs::is_directory(*real, ec))
        return RedirectTo{std::string(path) + "/"};
    if (fs::is_regular_file(*real, ec))
        return ServeFile{*real};
    return NotFound{};
}

std::string content_type_for(const fs::path& file) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 11> types{{
        {".html", "text/html; charset=utf-8"},
        {".htm", "text/html; charset=utf-8"},
        {".asp", "text/html; charset=utf-8"},
        {".txt", "text/plain; charset=gbk"},
        {".css", "text/css; charset=utf-8"},
        {".js", "text/javascript; charset=utf-8"},
        {".svg", "image/svg+xml"},
        {".png", "image/png"},
        {".jpg", "image/jpeg"},
        {".gif", "image/gif"},
        {".ico", "image/x-icon"},
    }};
    const std::string extension = file.extension().string();
    for (const auto& [ext, type] : types)
        if (ext == extension)
            return std::string(type);
    return "application/octet-stream";
}

bool is_gbk_text(const fs::path& file) {
    return file.extension() == ".txt";
}

std::optional<std::string> read_site_file(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        return std::nullopt;
    return content;
}

}  // namespace portal

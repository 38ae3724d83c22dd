#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace portal {

struct ServeFile {
    std::filesystem::path file;
};

struct RedirectTo {
    std::string location;  // path only; the caller adds the query
};

struct NotFound {};

using Resolution = std::variant<ServeFile, RedirectTo, NotFound>;

// Maps a decoded request path (and its "id" query value, may be empty) onto
// a file below root, which must be a real (canonical) path. Directory URLs
// serve index<id>.html when id is a number and that file exists, index.html
// otherwise; this is how one directory URL such as /tcab/zelad/tan/ offers
// several distinct pages. Symbolic links are followed only while they stay
// inside root; the file returned is the resolved one.
Resolution resolve_site_path(const std::filesystem::path& root, std::string_view path,
                             std::string_view id);

// Content type for a site file, decided by its extension. Text files (.txt)
// are the client's INI and notice lists, which are GBK on disk.
std::string content_type_for(const std::filesystem::path& file);

// Cache-Control for the site file `file` requested as `path`: a week for
// pictures, styles, scripts, fonts and media, no-store for the client's
// configuration under /zel/, no-cache (revalidate every time) otherwise.
std::string cache_control_for(std::string_view path, const std::filesystem::path& file);

bool is_html(const std::filesystem::path& file);

bool is_gbk_text(const std::filesystem::path& file);

// The whole content of a site file, or nothing when it cannot be read.
std::optional<std::string> read_site_file(const std::filesystem::path& file);

}  // namespace portal

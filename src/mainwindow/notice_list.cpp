#include "mainwindow/notice_list.h"

#include <algorithm>
#include <fstream>
#include <system_error>

namespace fluvane::mainwindow {

namespace {
constexpr std::uintmax_t kMaxBytes = 4 * 1024 * 1024;
constexpr std::string_view kSeparator = "###";
}  // namespace

std::vector<std::string> ReadNoticeLines(const std::filesystem::path& file,
                                         const platform::CodePage& codePage) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error) return {};
    std::ifstream in(file, std::ios::binary);
    std::string content(static_cast<std::size_t>(std::min<std::uintmax_t>(size, kMaxBytes)), '\0');
    in.read(content.data(), static_cast<std::streamsize>(content.size()));
    content.resize(static_cast<std::size_t>(in.gcount()));

    std::vector<std::string> lines;
    std::size_t start = 0;
    // A line ends at CR, LF or CR LF, as the system's line input reads text.
    while (start < content.size()) {
        std::size_t end = content.find_first_of("\r\n", start);
        if (end == std::string::npos) end = content.size();
        const std::string_view line(content.data() + start, end - start);
        if (!line.empty()) lines.push_back(codePage.fromGbk(line));
        start = content.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1;
    }
    return lines;
}

Notice SplitNotice(std::string_view line) {
    const std::size_t first = line.find(kSeparator);
    if (first == std::string_view::npos) return {std::string(line), std::nullopt};
    const std::string_view rest = line.substr(first + kSeparator.size());
    return {std::string(line.substr(0, first)), std::string(rest.substr(0, rest.find(kSeparator)))};
}

}  // namespace fluvane::mainwindow

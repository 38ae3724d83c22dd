// The navigation policy on arbitrary URLs: only http and https are web pages,
// only the command schemes are commands, and a local page is always one the
// client ships, never a file outside the application directory or one the
// portal sent into it (zelhe.db, link.txt), however its path is written. The
// files are a small tree in a temporary folder, with links leading out of the
// shipped pages; "{APP}" in an input stands for the application directory.
#include "fuzz_check.h"
#include "platform/shared/navigation_policy.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using fluvane::fuzz::check;
using fluvane::platform::shared::NavigationVerdict;

constexpr char kShipped[] = "shipped";

class Tree {
public:
    Tree() {
        std::string pattern = (fs::temp_directory_path() / "fluvfuzzpolicy.XXXXXX").string();
        check(::mkdtemp(pattern.data()) != nullptr, "a temporary folder can be made");
        base_ = fs::canonical(pattern);
        for (const char* file :
             {"app/zelskin/html/page.html", "app/zelskin/html/sub/page.html", "app/app/loading.html"})
            write(file, kShipped);
        for (const char* file :
             {"app/zelhe.db", "app/link.txt", "app/zelskin/Config.ini", "outside/secret.html", "app-other/page.html"})
            write(file, "not shipped");
        fs::create_symlink(base_ / "outside", base_ / "app/zelskin/html/sub/escape");
        fs::create_symlink(base_ / "outside/secret.html", base_ / "app/zelskin/html/escape.html");
        fs::create_symlink(base_ / "app/zelhe.db", base_ / "app/zelskin/html/db.html");
    }
    ~Tree() {
        std::error_code ignored;
        fs::remove_all(base_, ignored);
    }
    fs::path app() const { return base_ / "app"; }

private:
    void write(const char* file, const char* content) {
        fs::create_directories((base_ / file).parent_path());
        std::ofstream(base_ / file) << content;
    }

    fs::path base_;
};

std::string lowerAscii(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// What a browser reads of a URL: no spaces and controls at the ends, no tabs
// and line breaks anywhere.
std::string engineText(const std::string& url) {
    std::size_t begin = 0, end = url.size();
    while (begin < end && static_cast<unsigned char>(url[begin]) <= 0x20) ++begin;
    while (end > begin && static_cast<unsigned char>(url[end - 1]) <= 0x20) --end;
    std::string text;
    for (std::size_t i = begin; i < end; ++i)
        if (url[i] != '\t' && url[i] != '\n' && url[i] != '\r') text += url[i];
    return text;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = lowerAscii(std::string(1, c))[0];
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// The file a file URL or path names, as an engine would open it.
std::string namedPath(const std::string& text) {
    if (!lowerAscii(text).starts_with("file:")) return text;
    std::string rest = text.substr(5);
    rest = rest.substr(0, rest.find_first_of("?#"));
    for (char& c : rest)
        if (c == '\\') c = '/';
    if (rest.starts_with("//")) rest = rest.substr(std::min(rest.find('/', 2), rest.size()));
    std::string path;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] == '%' && i + 2 < rest.size() && hexValue(rest[i + 1]) >= 0 && hexValue(rest[i + 2]) >= 0) {
            path += static_cast<char>(hexValue(rest[i + 1]) * 16 + hexValue(rest[i + 2]));
            i += 2;
        } else {
            path += rest[i];
        }
    }
    return path;
}

// Empty for anything but a readable regular file.
std::string contentOf(const fs::path& file) {
    std::error_code error;
    if (!fs::is_regular_file(file, error)) return {};
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Tree tree;
    static const std::vector<std::string> commands{"flvplay", "dddisk"};
    std::string url(reinterpret_cast<const char*>(data), size);
    for (std::size_t at; (at = url.find("{APP}")) != std::string::npos;) url.replace(at, 5, tree.app().string());

    const NavigationVerdict verdict = fluvane::platform::shared::judgeNavigation(url, tree.app(), commands);
    const std::string text = engineText(url);
    const std::string lower = lowerAscii(text);
    switch (verdict) {
        case NavigationVerdict::Web:
            check(lower.starts_with("http:") || lower.starts_with("https:"), "only http and https are web pages");
            break;
        case NavigationVerdict::Command:
            check(lower.starts_with("flvplay:") || lower.starts_with("dddisk:"),
                  "only the command schemes are commands");
            break;
        case NavigationVerdict::LocalPage: {
            check(lower.starts_with("file:") || text.starts_with('/'), "a local page is a file URL or path");
            const std::string path = namedPath(text);
            check(path.find('\0') == std::string::npos, "a local page's path holds no NUL");
            // Opened as written and with "." and ".." resolved first, links followed either way.
            for (const fs::path& file : {fs::path(path), fs::path(path).lexically_normal()})
                check(contentOf(file).empty() || contentOf(file) == kShipped, "a local page is one the client ships");
            break;
        }
        case NavigationVerdict::Refused:
            break;
    }
    return 0;
}

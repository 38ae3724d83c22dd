// The demo portal's URL-to-file mapping on arbitrary paths and ids: whatever
// it serves or redirects to lies inside the site root. The site is a small
// tree made in a temporary folder, next to files that must stay unreachable.
#include "fuzz_check.h"
#include "site.hpp"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>
#include <variant>

namespace {

namespace fs = std::filesystem;
using fluvane::fuzz::check;

class Site {
public:
    Site() {
        std::string pattern = (fs::temp_directory_path() / "fluvfuzzportal.XXXXXX").string();
        check(::mkdtemp(pattern.data()) != nullptr, "a temporary folder can be made");
        base_ = fs::canonical(pattern);
        root_ = base_ / "site";
        for (const char* file : {"site/index.html", "site/tcab/index.html", "site/tcab/index2.html", "site/zel/zel.txt",
                                 "site/a/b/page.htm", "outside.txt", "site2/index.html", "site2/zel/zel.txt"}) {
            fs::create_directories((base_ / file).parent_path());
            std::ofstream(base_ / file) << file;
        }
    }
    ~Site() {
        std::error_code ignored;
        fs::remove_all(base_, ignored);
    }
    const fs::path& root() const { return root_; }

    // Inside the root after resolving "." and ".." and links.
    bool holds(const fs::path& file) const {
        std::error_code error;
        const fs::path real = fs::weakly_canonical(file, error);
        if (error) return false;
        return std::mismatch(root_.begin(), root_.end(), real.begin(), real.end()).first == root_.end();
    }

private:
    fs::path base_;
    fs::path root_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Site site;
    FuzzedDataProvider input(data, size);
    const std::string id = input.ConsumeRandomLengthString(16);
    const std::string path = input.ConsumeRemainingBytesAsString();

    const portal::Resolution resolution = portal::resolve_site_path(site.root(), path, id);
    if (const auto* serve = std::get_if<portal::ServeFile>(&resolution)) {
        check(site.holds(serve->file), "a served file lies inside the site root");
        std::error_code error;
        check(fs::is_regular_file(serve->file, error), "a served file is a regular file");
    } else if (const auto* redirect = std::get_if<portal::RedirectTo>(&resolution)) {
        check(redirect->location == path + "/", "a redirect adds the slash");
        // The URL path appended to the root, as a browser's next request maps it.
        const fs::path directory = site.root().string() + path;
        check(site.holds(directory), "a redirect names a folder inside the site root");
        std::error_code error;
        check(fs::is_directory(directory, error), "a redirect names an existing folder");
    }
    return 0;
}

#include "options.hpp"

#include <charconv>
#include <string_view>
#include <system_error>

namespace portal {

namespace {

namespace fs = std::filesystem;

bool parse_port(std::string_view text, int& port) {
    int value = -1;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || value < 0 || value > 65535) return false;
    port = value;
    return true;
}

bool takes_value(std::string_view arg) {
    return arg == "--port" || arg == "--root" || arg == "--bind" || arg == "--config" || arg == "--media";
}

fs::path folder_beside_executable(const char* argv0, const char* name) {
    std::error_code ec;
    fs::path executable = fs::read_symlink("/proc/self/exe", ec);
    if (ec) executable = fs::absolute(argv0, ec);
    return executable.parent_path() / name;
}

}  // namespace

const char* usage_text() {
    return "usage: fluvane-portal --root DIR [--port P] [--bind ADDRESS] [--config FILE] [--media DIR]\n"
           "                     [--test-routes]\n"
           "  --root DIR       directory of the site to serve (required)\n"
           "  --port P         TCP port; 0 (the default) picks a free one\n"
           "  --bind ADDRESS   address to listen on (default 127.0.0.1)\n"
           "  --config FILE    serve FILE (GBK text) as /zel/zel.txt, read afresh on each request\n"
           "  --media DIR      serve DIR as /tcab/media/ (default: the folder media beside\n"
           "                   this program, where the build puts the test title)\n"
           "  --test-routes    also serve the misbehaving /fault/ endpoints (for tests)\n";
}

ParseResult parse_options(int argc, char** argv) {
    Options options;
    bool have_root = false;
    bool have_media = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") return HelpRequested{};
        if (arg == "--test-routes") {
            options.test_routes = true;
            continue;
        }
        if (!takes_value(arg)) return OptionsError{"unknown argument '" + std::string(arg) + "'"};
        if (i + 1 >= argc) return OptionsError{std::string(arg) + " needs a value"};
        const std::string_view value = argv[++i];
        if (arg == "--port") {
            if (!parse_port(value, options.port))
                return OptionsError{"--port: '" + std::string(value) + "' is not a port number (0-65535)"};
        } else if (arg == "--root") {
            options.root = fs::path(value);
            have_root = true;
        } else if (arg == "--config") {
            options.config = fs::path(value);
        } else if (arg == "--media") {
            options.media = fs::path(value);
            have_media = true;
        } else {
            if (value.empty()) return OptionsError{"--bind: empty address"};
            options.bind = std::string(value);
        }
    }
    if (!have_root) return OptionsError{"--root DIR is required"};
    std::error_code ec;
    if (!fs::is_directory(options.root, ec))
        return OptionsError{"--root: '" + options.root.string() + "' is not a directory"};
    options.root = fs::canonical(options.root, ec);
    if (ec) return OptionsError{"--root: " + ec.message()};
    if (!options.config.empty() && !fs::is_regular_file(options.config, ec))
        return OptionsError{"--config: '" + options.config.string() + "' is not a readable file"};
    if (!have_media) {
        options.media = folder_beside_executable(argc > 0 ? argv[0] : "", "media");
    } else {
        if (!fs::is_directory(options.media, ec))
            return OptionsError{"--media: '" + options.media.string() + "' is not a directory"};
        options.media = fs::canonical(options.media, ec);
        if (ec) return OptionsError{"--media: " + ec.message()};
    }
    return options;
}

}  // namespace portal

#pragma once

#include <filesystem>
#include <string>
#include <variant>

namespace portal {

struct Options {
    int port = 0;  // 0: the system picks a free port
    std::filesystem::path root;
    std::string bind = "127.0.0.1";
    std::filesystem::path config;  // served as /zel/zel.txt instead of the site's; empty: none
    bool test_routes = false;      // serve the misbehaving /fault/ endpoints
    // Served as /tcab/media/: by default the folder "media" beside the
    // executable, where the build puts the test title; it may be missing.
    std::filesystem::path media;
};

struct HelpRequested {};

struct OptionsError {
    std::string message;
};

using ParseResult = std::variant<Options, HelpRequested, OptionsError>;

ParseResult parse_options(int argc, char** argv);

const char* usage_text();

}  // namespace portal

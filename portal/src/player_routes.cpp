#include <httplib.h>

#include <algorithm>
#include <string_view>

#include "routes.hpp"

namespace portal {

namespace {

bool is_word(std::string_view text, std::size_t longest) {
    return !text.empty() && text.size() <= longest && std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    });
}

bool is_digits(std::string_view text, std::size_t longest) {
    return !text.empty() && text.size() <= longest &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Seconds as the page writes them, with one decimal.
bool is_seconds(std::string_view text) {
    const auto dot = text.find('.');
    return dot != std::string_view::npos && is_digits(text.substr(0, dot), 7) && is_digits(text.substr(dot + 1), 1);
}

bool one(const httplib::Request& req, const char* key) { return req.get_param_value_count(key) == 1; }

}  // namespace

void install_player_routes(httplib::Server& server) {
    // What a real portal's analytics would collect; here the request log is
    // the record, so an accepted report needs no answer.
    server.Get("/tcab/play/progress", [](const httplib::Request& req, httplib::Response& res) {
        const bool stated = !req.has_param("state") ||
                            (one(req, "state") &&
                             (req.get_param_value("state") == "paused" || req.get_param_value("state") == "ended"));
        const bool valid = one(req, "t") && one(req, "s") && one(req, "ep") && stated &&
                           is_seconds(req.get_param_value("t")) && is_word(req.get_param_value("s"), 32) &&
                           is_digits(req.get_param_value("ep"), 4);
        res.status = valid ? 204 : 400;
        res.set_header("Cache-Control", "no-store");
    });
}

}  // namespace portal

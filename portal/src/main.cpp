// fluvane-portal: the demo portal server for the Fluvane client.

#include <httplib.h>
#include <signal.h>

#include <ctime>
#include <iostream>
#include <mutex>
#include <string>
#include <variant>

#include "guarded_server.hpp"
#include "guestbook.hpp"
#include "http_fields.hpp"
#include "log_text.hpp"
#include "membership.hpp"
#include "options.hpp"
#include "routes.hpp"
#include "stop_on_signal.hpp"

namespace {

std::string url_host(const std::string& bind) {
    if (bind == "0.0.0.0") return "127.0.0.1";
    if (bind == "::") return "[::1]";
    return bind.find(':') != std::string::npos ? "[" + bind + "]" : bind;
}

void log_request(const httplib::Request& req, const httplib::Response& res) {
    static std::mutex log_mutex;
    const std::lock_guard lock(log_mutex);
    std::cout << portal::escape_for_log(req.method) << ' ' << portal::escape_for_log(req.target) << ' ' << res.status
              << std::endl;
}

// Caches reckon ages and validators against the answer's date.
void set_date(httplib::Response& res) {
    if (!res.has_header("Date")) res.set_header("Date", portal::format_http_date(std::time(nullptr)));
}

void fill_error_body(const httplib::Request&, httplib::Response& res) {
    set_date(res);
    if (!res.body.empty()) return;
    const char* reason = res.status == 404 ? " Not Found\n" : " Error\n";
    res.set_content(std::to_string(res.status) + reason, "text/plain; charset=utf-8");
}

int run(const portal::Options& options) {
    signal(SIGPIPE, SIG_IGN);

    portal::GuardedServer server;
    portal::StopOnSignal stop_on_signal([&server] { server.stop(); });
    portal::SiteContext site{options.root, {}, options.config, options.media};
    portal::Guestbook guestbook;
    const portal::Membership membership;

    server.set_logger(log_request);
    server.set_post_routing_handler([](const httplib::Request&, httplib::Response& res) { set_date(res); });
    server.set_error_handler(fill_error_body);
    if (options.test_routes) portal::install_fault_routes(server, stop_on_signal.stopping());
    portal::install_guestbook_routes(server, site, guestbook);
    portal::install_membership_routes(server, site, membership);
    portal::install_player_routes(server);
    portal::install_site_routes(server, site, membership);

    const int port = server.bind_listener(options.bind, options.port);
    if (port <= 0) {
        std::cerr << "fluvane-portal: error: cannot listen on " << options.bind << ':' << options.port
                  << " (address in use or not available)\n";
        return 1;
    }
    site.base_url = "http://" + url_host(options.bind) + ':' + std::to_string(port);

    stop_on_signal.start();
    std::cout << "listening on " << options.bind << ':' << port << std::endl;
    const bool served = server.listen_after_bind();
    stop_on_signal.release();
    if (!served && !stop_on_signal.stopping()) {
        std::cerr << "fluvane-portal: error: the server stopped unexpectedly\n";
        return 1;
    }
    std::cout << "stopped" << std::endl;
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const portal::ParseResult parsed = portal::parse_options(argc, argv);
    if (std::holds_alternative<portal::HelpRequested>(parsed)) {
        std::cout << portal::usage_text();
        return 0;
    }
    if (const auto* error = std::get_if<portal::OptionsError>(&parsed)) {
        std::cerr << "fluvane-portal: error: " << error->message << '\n' << portal::usage_text();
        return 2;
    }
    return run(std::get<portal::Options>(parsed));
}

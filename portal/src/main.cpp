// fluvane-portal: the demo portal server for the Fluvane client.

#include <httplib.h>
#include <signal.h>
#include <sys/socket.h>

#include <iostream>
#include <mutex>
#include <string>
#include <variant>

#include "options.hpp"
#include "routes.hpp"
#include "stop_on_signal.hpp"

namespace {

// Enough for a browser's parallel connections plus several parked /fault/hang
// requests, which each hold a worker until they give up.
constexpr std::size_t kWorkerThreads = 64;

std::string url_host(const std::string& bind) {
    if (bind == "0.0.0.0")
        return "127.0.0.1";
    if (bind == "::")
        return "[::1]";
    return bind.find(':') != std::string::npos ? "[" + bind + "]" : bind;
}

// httplib's default also sets SO_REUSEPORT, which would let a second portal
// silently share a busy port instead of failing to start.
void reuse_address_only(socket_t sock) {
    int yes = 1;
    setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
}

void log_request(const httplib::Request& req, const httplib::Response& res) {
    static std::mutex log_mutex;
    const std::lock_guard lock(log_mutex);
    std::cout << req.method << ' ' << req.target << ' ' << res.status << std::endl;
}

void fill_error_body(const httplib::Request&, httplib::Response& res) {
    if (!res.body.empty())
        return;
    const char* reason = res.status == 404 ? " Not Found\n" : " Error\n";
    res.set_content(std::to_string(res.status) + reason, "text/plain; charset=utf-8");
}

int run(const portal::Options& options) {
    signal(SIGPIPE, SIG_IGN);

    httplib::Server server;
    portal::StopOnSignal stop_on_signal([&server] { server.stop(); });
    portal::SiteContext site{options.root, {}};

    server.new_task_queue = [] { return new httplib::ThreadPool(kWorkerThreads); };
    server.set_socket_options(reuse_address_only);
    server.set_logger(log_request);
    server.set_error_handler(fill_error_body);
    portal::install_fault_routes(server, stop_on_signal.stopping());
    portal::install_site_routes(server, site);

    int port = options.port;
    if (port == 0)
        port = server.bind_to_any_port(options.bind);
    else if (!server.bind_to_port(options.bind, port))
        port = -1;
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

#pragma once

#include <atomic>
#include <filesystem>
#include <string>

namespace httplib {
class Server;
struct Request;
struct Response;
}  // namespace httplib

namespace portal {

class Guestbook;
class Membership;

struct SiteContext {
    std::filesystem::path root;
    std::string base_url;            // known only once the port is bound; set before serving
    std::filesystem::path config;    // served as /zel/zel.txt when not empty
    std::filesystem::path media;     // served as /tcab/media/; need not exist
};

// Serves the site and the media. GBK text files get "{{PORTAL}}" replaced by
// the base URL, so the configuration the client downloads points back at
// this server; library pages show the signed-in member.
void install_site_routes(httplib::Server& server, const SiteContext& site, const Membership& membership);

// The guestbook page /tcab/gbook.asp: the site's page with the messages
// filled in, and the form's POST that adds one.
void install_guestbook_routes(httplib::Server& server, const SiteContext& site, Guestbook& guestbook);

// Sign-in (/tcab/login) and sign-out (/tcab/logout).
void install_membership_routes(httplib::Server& server, const SiteContext& site, const Membership& membership);

// The player page's progress reports, /tcab/play/progress.
void install_player_routes(httplib::Server& server);

// Misbehaving endpoints under /fault/ for testing the client's downloads.
// Long-running ones give up when `stopping` becomes true.
void install_fault_routes(httplib::Server& server, const std::atomic<bool>& stopping);

}  // namespace portal

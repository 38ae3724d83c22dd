#include <httplib.h>

#include <variant>

#include "gbk_text.hpp"
#include "routes.hpp"
#include "site.hpp"

namespace portal {

namespace {

namespace fs = std::filesystem;

constexpr char kConfigPath[] = "/zel/zel.txt";

std::string query_of(const httplib::Request& req) {
    const auto mark = req.target.find('?');
    return mark == std::string::npos ? std::string() : req.target.substr(mark);
}

// Sends `file`, typed by `name` (the file's site name, which for the
// configuration override differs from the file's own).
void send_file(const SiteContext& site, const fs::path& file, const fs::path& name,
               httplib::Response& res) {
    std::optional<std::string> body = read_site_file(file);
    if (!body) {
        res.status = 404;
        return;
    }
    if (is_gbk_text(name))
        *body = replace_in_gbk(*body, "{{PORTAL}}", site.base_url);
    res.set_content(std::move(*body), content_type_for(name).c_str());
}

void serve(const SiteContext& site, const httplib::Request& req, httplib::Response& res) {
    if (!site.config.empty() && req.path == kConfigPath) {
        send_file(site, site.config, kConfigPath, res);
        return;
    }
    const Resolution resolution =
        resolve_site_path(site.root, req.path, req.get_param_value("id"));
    if (const auto* redirect = std::get_if<RedirectTo>(&resolution))
        res.set_redirect(redirect->location + query_of(req), 301);
    else if (const auto* found = std::get_if<ServeFile>(&resolution))
        send_file(site, found->file, found->file, res);
    else
        res.status = 404;
}

}  // namespace

void install_site_routes(httplib::Server& server, const SiteContext& site) {
    server.Get(R"(/.*)", [&site](const httplib::Request& req, httplib::Response& res) {
        serve(site, req, res);
    });
}

}  // namespace portal

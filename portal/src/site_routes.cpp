#include <httplib.h>

#include <fstream>
#include <iterator>
#include <variant>

#include "gbk_text.hpp"
#include "routes.hpp"
#include "site.hpp"

namespace portal {

namespace {

bool read_file(const std::filesystem::path& file, std::string& content) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

std::string query_of(const httplib::Request& req) {
    const auto mark = req.target.find('?');
    return mark == std::string::npos ? std::string() : req.target.substr(mark);
}

void serve(const SiteContext& site, const httplib::Request& req, httplib::Response& res) {
    const Resolution resolution =
        resolve_site_path(site.root, req.path, req.get_param_value("id"));

    if (const auto* redirect = std::get_if<RedirectTo>(&resolution)) {
        res.set_redirect(redirect->location + query_of(req), 301);
        return;
    }
    const auto* serve_file = std::get_if<ServeFile>(&resolution);
    std::string body;
    if (serve_file == nullptr || !read_file(serve_file->file, body)) {
        res.status = 404;
        return;
    }
    if (is_gbk_text(serve_file->file))
        body = replace_in_gbk(body, "{{PORTAL}}", site.base_url);
    res.set_content(std::move(body), content_type_for(serve_file->file).c_str());
}

}  // namespace

void install_site_routes(httplib::Server& server, const SiteContext& site) {
    server.Get(R"(/.*)", [&site](const httplib::Request& req, httplib::Response& res) {
        serve(site, req, res);
    });
}

}  // namespace portal

#include <httplib.h>

#include <optional>
#include <variant>

#include "gbk_text.hpp"
#include "membership.hpp"
#include "pages.hpp"
#include "representation.hpp"
#include "routes.hpp"
#include "site.hpp"

namespace portal {

namespace {

namespace fs = std::filesystem;

constexpr char kConfigPath[] = "/zel/zel.txt";
constexpr std::string_view kMediaPrefix = "/tcab/media/";

std::string query_of(const httplib::Request& req) {
    const auto mark = req.target.find('?');
    return mark == std::string::npos ? std::string() : req.target.substr(mark);
}

struct Target {
    fs::path file;
    fs::path name;  // decides the type: the configuration override is named as the site's file
};

// What a request path names: a file to send, a directory to redirect to,
// or nothing.
std::variant<Target, RedirectTo, NotFound> target_of(const SiteContext& site, const httplib::Request& req) {
    if (!site.config.empty() && req.path == kConfigPath) return Target{site.config, kConfigPath};
    if (std::string_view(req.path).starts_with(kMediaPrefix)) {
        // The media folder may be built or removed while the server runs.
        std::error_code ec;
        const fs::path media = fs::canonical(site.media, ec);
        if (ec) return NotFound{};
        const Resolution found =
            resolve_site_path(media, std::string_view(req.path).substr(kMediaPrefix.size() - 1), "");
        if (const auto* file = std::get_if<ServeFile>(&found)) return Target{file->file, file->file};
        return NotFound{};
    }
    const Resolution resolution = resolve_site_path(site.root, req.path, req.get_param_value("id"));
    if (const auto* redirect = std::get_if<RedirectTo>(&resolution)) return *redirect;
    if (const auto* found = std::get_if<ServeFile>(&resolution)) return Target{found->file, found->file};
    return NotFound{};
}

void send_file(const SiteContext& site, const Membership& membership, const Target& target, const httplib::Request& req,
               httplib::Response& res) {
    const auto file = OpenFile::open(target.file);
    if (!file) {
        res.status = 404;
        return;
    }
    Representation rep;
    rep.content_type = content_type_for(target.name);
    rep.cache_control = cache_control_for(req.path, target.name);
    if (is_gbk_text(target.name) || is_html(target.name)) {
        std::optional<std::string> body = file->read_all();
        if (!body) {
            res.status = 404;
            return;
        }
        rep.bytes = std::move(*body);
        if (is_gbk_text(target.name)) {
            rep.bytes = replace_in_gbk(rep.bytes, "{{PORTAL}}", site.base_url);
            rep.etag = content_etag(rep.bytes);
            // The bytes depend only on the file and on this server's
            // address, which the URL names, so the file's date holds.
            rep.last_modified = file->modified();
        } else if (has_sign_in_slot(rep.bytes)) {
            // One URL, one page per member: only the member's own cache may
            // keep it, and a date could not tell two members' pages apart.
            rep.bytes = personalised(std::move(rep.bytes), member_of(req, membership));
            rep.etag = content_etag(rep.bytes);
            rep.cache_control = "private, no-cache";
            rep.varies_by_cookie = true;
        } else {
            rep.etag = file->etag();
            rep.last_modified = file->modified();
        }
    } else {
        rep.etag = file->etag();
        rep.last_modified = file->modified();
        rep.file = file;
    }
    send_representation(req, res, std::move(rep));
}

}  // namespace

void install_site_routes(httplib::Server& server, const SiteContext& site, const Membership& membership) {
    server.Get(R"(/.*)", [&site, &membership](const httplib::Request& req, httplib::Response& res) {
        const auto target = target_of(site, req);
        if (const auto* redirect = std::get_if<RedirectTo>(&target))
            res.set_redirect(redirect->location + query_of(req), 301);
        else if (const auto* found = std::get_if<Target>(&target))
            send_file(site, membership, *found, req, res);
        else
            res.status = 404;
    });
}

}  // namespace portal

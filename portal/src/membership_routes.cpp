#include <httplib.h>

#include <string_view>
#include <variant>

#include "membership.hpp"
#include "pages.hpp"
#include "routes.hpp"
#include "site.hpp"

namespace portal {

namespace {

constexpr char kFormPath[] = "/tcab/login.html";
constexpr std::string_view kNoticeMarker = "<!--NOTICE-->";

void send_refusal(const SiteContext& site, const Membership& membership, const httplib::Request& req,
                  httplib::Response& res) {
    const Resolution resolution = resolve_site_path(site.root, kFormPath, "");
    const auto* found = std::get_if<ServeFile>(&resolution);
    std::optional<std::string> page = found ? read_site_file(found->file) : std::nullopt;
    res.status = 400;
    res.set_header("Cache-Control", "no-store");
    if (!page) return;  // the error page then
    if (const auto at = page->find(kNoticeMarker); at != std::string::npos)
        page->replace(at, kNoticeMarker.size(),
                      "<p class=\"notice error\">未能登录：名字须为 1 到 " + std::to_string(Membership::kMaxNameChars) +
                          " 个字，不能含控制字符。</p>");
    res.set_content(personalised(std::move(*page), member_of(req, membership)), "text/html; charset=utf-8");
}

void sign_out(const httplib::Request&, httplib::Response& res) {
    res.set_header("Set-Cookie", Membership::sign_out_cookie());
    res.set_header("Cache-Control", "no-store");
    res.set_redirect("/tcab/", 303);
}

}  // namespace

void install_membership_routes(httplib::Server& server, const SiteContext& site, const Membership& membership) {
    server.Post("/tcab/login", [&site, &membership](const httplib::Request& req, httplib::Response& res) {
        const auto name =
            req.get_param_value_count("name") == 1 ? Membership::valid_name(req.get_param_value("name")) : std::nullopt;
        if (!name) {
            send_refusal(site, membership, req, res);
            return;
        }
        res.set_header("Set-Cookie", membership.sign_in_cookie(*name));
        res.set_header("Cache-Control", "no-store");
        // Answered with a redirect, so reloading the library does not post again.
        res.set_redirect("/tcab/", 303);
    });
    server.Get("/tcab/logout", sign_out);
    server.Post("/tcab/logout", sign_out);
}

}  // namespace portal

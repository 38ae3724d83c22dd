#include <httplib.h>

#include <string_view>
#include <variant>

#include "guestbook.hpp"
#include "representation.hpp"
#include "routes.hpp"
#include "site.hpp"
#include "text.hpp"

namespace portal {

namespace {

constexpr char kPagePath[] = "/tcab/gbook.asp";
// Where the site's page wants the messages.
constexpr std::string_view kMarker = "<!--MESSAGES-->";

std::string render_messages(const Guestbook& guestbook, std::string_view notice_class, std::string_view notice) {
    std::string html;
    if (!notice.empty())
        html.append("<p class=\"notice ").append(notice_class).append("\">").append(notice).append("</p>\n");
    const auto entries = guestbook.newest_first();
    if (entries.empty()) return html + "<p class=\"empty\">还没有留言，来写第一条吧。</p>\n";
    html += "<ul class=\"messages\">\n";
    for (const auto& entry : entries) {
        html += "<li><span class=\"tag\">" + html_escape(entry.kind) + "</span><b>" + html_escape(entry.title) + "</b>";
        if (!entry.text.empty()) html += "<p>" + html_escape(entry.text) + "</p>";
        html += "</li>\n";
    }
    return html + "</ul>\n";
}

// The site's guestbook page with the messages (and a notice) in place of its marker.
void send_page(const SiteContext& site, const Guestbook& guestbook, int status, std::string_view notice_class,
               std::string_view notice, const httplib::Request& req, httplib::Response& res) {
    const Resolution resolution = resolve_site_path(site.root, kPagePath, "");
    const auto* found = std::get_if<ServeFile>(&resolution);
    std::optional<std::string> page = found ? read_site_file(found->file) : std::nullopt;
    if (!page) {
        res.status = 404;
        return;
    }
    if (const auto at = page->find(kMarker); at != std::string::npos)
        page->replace(at, kMarker.size(), render_messages(guestbook, notice_class, notice));
    if (status != 200) {
        res.status = status;
        res.set_header("Cache-Control", "no-store");
        res.set_content(std::move(*page), "text/html; charset=utf-8");
        return;
    }
    Representation rep;
    rep.content_type = "text/html; charset=utf-8";
    rep.cache_control = "no-cache";
    rep.etag = content_etag(*page);
    rep.bytes = std::move(*page);
    send_representation(req, res, std::move(rep));
}

}  // namespace

void install_guestbook_routes(httplib::Server& server, const SiteContext& site, Guestbook& guestbook) {
    server.Get(kPagePath, [&site, &guestbook](const httplib::Request& req, httplib::Response& res) {
        const bool sent = req.get_param_value("sent") == "1";
        send_page(site, guestbook, 200, "ok", sent ? "感谢留言！编辑会尽快处理。" : "", req, res);
    });

    server.Post(kPagePath, [&site, &guestbook](const httplib::Request& req, httplib::Response& res) {
        const PostOutcome outcome =
            guestbook.add({req.get_param_value("kind"), req.get_param_value("title"), req.get_param_value("text")});
        switch (outcome) {
            case PostOutcome::Added:
                // Answered with a redirect, so reloading the page does not post again.
                res.set_redirect(std::string(kPagePath) + "?sent=1", 303);
                return;
            case PostOutcome::MissingTitle:
                send_page(site, guestbook, 400, "error", "留言未提交：请填写片名或标题。", req, res);
                return;
            case PostOutcome::TooLong:
                send_page(site, guestbook, 413, "error",
                          "留言未提交：片名最多 " + std::to_string(Guestbook::kMaxTitleChars) + " 个字，内容最多 " +
                              std::to_string(Guestbook::kMaxTextChars) + " 个字。",
                          req, res);
                return;
            case PostOutcome::Malformed:
                send_page(site, guestbook, 400, "error", "留言未提交：内容无法识别，请重新填写。", req, res);
                return;
        }
    });
}

}  // namespace portal

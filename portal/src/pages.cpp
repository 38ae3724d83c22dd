#include "pages.hpp"

#include <httplib.h>

#include <vector>

#include "membership.hpp"
#include "text.hpp"

namespace portal {

bool has_sign_in_slot(std::string_view page) {
    const auto begin = page.find(kSignInBegin);
    return begin != std::string_view::npos && page.find(kSignInEnd, begin) != std::string_view::npos;
}

std::string personalised(std::string page, const std::optional<std::string>& member) {
    const auto begin = page.find(kSignInBegin);
    const auto end = begin == std::string::npos ? std::string::npos : page.find(kSignInEnd, begin);
    if (!member || end == std::string::npos) return page;
    const std::string name = html_escape(*member);
    const std::string slot = "<span class=\"member\" title=\"" + name + "\">已登录：" + name +
                             "</span><a class=\"member\" href=\"/tcab/logout\">退出</a>";
    const auto content = begin + kSignInBegin.size();
    page.replace(content, end - content, slot);
    return page;
}

std::optional<std::string> member_of(const httplib::Request& req, const Membership& membership) {
    std::vector<std::string> cookies;
    const std::size_t count = req.get_header_value_count("Cookie");
    for (std::size_t i = 0; i < count; ++i) cookies.push_back(req.get_header_value("Cookie", i));
    return membership.name_from_cookies(cookies);
}

}  // namespace portal

#include "mainwindow/list_ad.h"

#include "mainwindow/command_url.h"
#include "platform/browser.h"

namespace fluvane::mainwindow {

namespace {

// The page is larger than the control; its 4-pixel border lies outside.
constexpr platform::Rect kPagePlace = platform::Rect::fromSize(-4, -4, 297, 241);

}  // namespace

listad::listad(platform::Surface& parent, const std::string& portalUrl)
    : UserControl(parent.addSurface()), w(UserControl.addBrowser()) {
    w.setGeometry(kPagePlace);
    w.browserEvents.downloadBegin = [this] { w_DownloadBegin(); };
    w.browserEvents.beforeNavigate2 = [this](const std::string& url, const platform::NavigationSource&, bool& cancel) {
        w_BeforeNavigate2(url, cancel);
    };
    w.navigate(portalUrl + "/tcab/zelad/listad.html");
}

void listad::w_DownloadBegin() { w.setSilent(true); }

void listad::w_BeforeNavigate2(const std::string& url, bool& cancel) {
    if (!IsCommandUrl(url, "close://")) return;
    cancel = true;
    if (close) close();
}

}  // namespace fluvane::mainwindow

#include "mainwindow/list_ad.h"

#include "mainwindow/command_url.h"

namespace fluvane::mainwindow {

namespace {

// The page is larger than the control; its 4-pixel border lies outside.
constexpr platform::Rect kPagePlace = platform::Rect::fromSize(-4, -4, 297, 241);

}  // namespace

listad::listad(platform::Surface& parent, const std::string& portalUrl)
    : UserControl(parent.addSurface()), w(UserControl.addBrowser()), portalUrl_(portalUrl) {
    w.setGeometry(kPagePlace);
    w.browserEvents.downloadBegin = [this] { w_DownloadBegin(); };
    w.browserEvents.beforeNavigate2 = [this](const std::string& url, const platform::NavigationSource& source,
                                             bool& cancel) { w_BeforeNavigate2(url, source, cancel); };
    w.navigate(portalUrl + "/tcab/zelad/listad.html");
}

void listad::w_DownloadBegin() { w.setSilent(true); }

// Frames of other sites inside the page cannot close the advertisement.
void listad::w_BeforeNavigate2(const std::string& url, const platform::NavigationSource& source, bool& cancel) {
    if (!IsTrustedCommandSource(source, portalUrl_) || !IsCommandUrl(url, scheme::close)) return;
    cancel = true;
    if (close) close();
}

}  // namespace fluvane::mainwindow

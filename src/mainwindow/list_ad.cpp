#include "mainwindow/list_ad.h"

#include "mainwindow/command_url.h"

namespace fluvane::mainwindow {

namespace {

using platform::Rect;

// The page is larger than the control; its 4-pixel border lies outside.
constexpr Rect kPagePlace = Rect::fromSize(-4, -4, 297, 241);

constexpr int kListTop = 45;  // below the panel's header
constexpr Rect kListAdSize = Rect::fromSize(30, 0, 185, 177);
constexpr int kFirstReturnSeconds = 120;
constexpr int kLaterReturnSeconds = 600;
constexpr int kTickMs = 1000;

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
    if (!isTrustedCommandSource(source, portalUrl_) || !isCommandUrl(url, scheme::close)) return;
    cancel = true;
    if (close) close();
}

ListAdvertisement::ListAdvertisement(platform::Ui& ui, platform::Form& window, listad& advertisement,
                                     platform::Surface& panel, platform::Surface& listWindow)
    : listad1(advertisement), Picture6(panel), SFPlayList1Window(listWindow), zai(ui.createTimer(window)) {
    zai->setInterval(kTickMs);
    zai->tick = [this] { zai_Timer(); };
    listad1.close = [this] { listcose(); };
}

void ListAdvertisement::ShowListAd() {
    platform::Surface& ad = listad1.UserControl;
    ad.setVisible(true);
    const Rect panel = Picture6.geometry();
    const int listHeight = panel.height() - kListTop - ad.geometry().height();
    SFPlayList1Window.setGeometry(Rect::fromSize(0, kListTop, panel.width(), listHeight));
    ad.setGeometry(Rect::fromSize(kListAdSize.left, kListTop + listHeight, kListAdSize.width(), kListAdSize.height()));
}

// The list takes the whole panel below its header meanwhile.
void ListAdvertisement::listcose() {
    const Rect panel = Picture6.geometry();
    SFPlayList1Window.setGeometry(Rect::fromSize(0, kListTop, panel.width(), panel.height() - kListTop));
    listad1.UserControl.setVisible(false);
    zai->setEnabled(true);
}

// Back 120 s after the first close, then every 600 s, closed again or not.
void ListAdvertisement::zai_Timer() {
    ++listAdCounter_;
    const int period = listAdReturned_ ? kLaterReturnSeconds : kFirstReturnSeconds;
    if (listAdCounter_ % period != 0) return;
    ShowListAd();
    listAdReturned_ = true;
    listAdCounter_ = 0;
}

}  // namespace fluvane::mainwindow

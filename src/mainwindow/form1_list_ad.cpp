#include "mainwindow/form1.h"

namespace fluvane::mainwindow {

namespace {

using platform::Rect;

constexpr int kListTop = 45;  // below the panel's header
constexpr Rect kListAdSize = Rect::fromSize(30, 0, 185, 177);
constexpr int kFirstReturnSeconds = 120;
constexpr int kLaterReturnSeconds = 600;

}  // namespace

// The advertisement sits right under the list, which gives up the room.
void Form1::ShowListAd() {
    platform::Surface& ad = listad1->UserControl;
    ad.setVisible(true);
    const Rect panel = Picture6->geometry();
    const int listHeight = panel.height() - kListTop - ad.geometry().height();
    SFPlayList1Window->setGeometry(Rect::fromSize(0, kListTop, panel.width(), listHeight));
    ad.setGeometry(
        Rect::fromSize(kListAdSize.left, kListTop + listHeight, kListAdSize.width(), kListAdSize.height()));
}

// The list takes the whole panel below its header until zai brings the advertisement back.
void Form1::listcose() {
    const Rect panel = Picture6->geometry();
    SFPlayList1Window->setGeometry(Rect::fromSize(0, kListTop, panel.width(), panel.height() - kListTop));
    listad1->UserControl.setVisible(false);
    zai->setEnabled(true);
}

// Back 120 s after the first close, then every 600 s, closed again or not.
void Form1::zai_Timer() {
    ++listAdCounter_;
    const int period = listAdReturned_ ? kLaterReturnSeconds : kFirstReturnSeconds;
    if (listAdCounter_ % period != 0) return;
    ShowListAd();
    listAdReturned_ = true;
    listAdCounter_ = 0;
}

}  // namespace fluvane::mainwindow

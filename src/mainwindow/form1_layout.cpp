#include "mainwindow/form1.h"

#include "mainwindow/title_bar.h"
#include "platform/shared/numbers.h"
#include "platform/shared/twips.h"

namespace fluvane::mainwindow {

using platform::shared::nearestInteger;
using platform::shared::pixelsToTwips;
using platform::shared::twipsRect;
using platform::shared::twipsToPixels;

namespace {

using platform::Rect;

constexpr int kTitleTop = 42;  // the panes start here, over the title bar's last rows
constexpr int kBottomBarHeight = 41;
constexpr int kPanelWidth = 250;
constexpr int kSplitterWidth = 10;
constexpr int kHandleHeight = 128;
constexpr int kDragStripWidth = 455;

// Moves a control, keeping its size.
void place(platform::Control& control, int left, int top) {
    const Rect g = control.geometry();
    control.setGeometry(Rect::fromSize(left, top, g.width(), g.height()));
}

platform::Size sizeOf(const platform::Control& control) {
    const Rect g = control.geometry();
    return {g.width(), g.height()};
}

}  // namespace

void Form1::connectLayout() {
    form_->events.resize = [this] { Form_Resize(); };
    Picture1->events.resize = [this] { Picture1_Resize(); };
    Picture2->events.resize = [this] { Picture2_Resize(); };
    Picture3->events.resize = [this] { Picture3_Resize(); };
    Picture5->events.resize = [this] { Picture5_Resize(); };
    Picture6->events.resize = [this] { Picture6_Resize(); };
    Picture9->events.resize = [this] { Picture9_Resize(); };
    vip3->events.resize = [this] { vip3_Resize(); };
    bj->events.resize = [this] { bj_Resize(); };
    Picture4->events.resize = [this] { Picture4_Resize(); };
}

bool Form1::minimised() const { return form_->windowState() == platform::WindowState::Minimized; }

void Form1::Form_Resize() {
    if (minimised()) return;
    const auto [SW, SH] = sizeOf(*form_);
    Line1->setEnds({1, 0}, {SW - 1, 0});
    Line2->setEnds({0, 0}, {0, SH - 1});
    Line3->setEnds({SW - 1, 0}, {SW - 1, SH - 1});
    Line4->setEnds({1, SH - 2}, {SW - 1, SH - 2});

    const Rect pane = Rect::fromSize(2, kTitleTop, SW - 4, SH - kTitleTop - 2);
    Picture1->setGeometry(pane);
    Picture1->bringToFront();
    Picture2->setGeometry(pane);

    for (const WindowButton& button : kWindowButtons)
        Button1[button.index]->setGeometry(
            Rect::fromSize(SW - button.fromRight, kWindowButtonTop, button.width, kTitleHeight));
    Button1[7]->setGeometry(Rect::fromSize(0, kWindowButtonTop, 81, kTitleHeight));
    for (std::size_t tab = 0; tab < kTabLefts.size(); ++tab)
        Button2[tab]->setGeometry(Rect::fromSize(kTabLefts[tab], kTabTop, kTabWidth, kTitleHeight));
}

// The browsers' own 2-pixel borders fall outside the pane.
void Form1::Picture1_Resize() {
    if (minimised()) return;
    const auto [width, height] = sizeOf(*Picture1);
    const Rect browser = Rect::fromSize(-2, -2, width + 4, height + 4);
    ListWeb->setGeometry(browser);
    W2->setGeometry(browser);
}

void Form1::Picture2_Resize() {
    if (minimised()) return;
    const auto [SW2, SH2] = sizeOf(*Picture2);
    Picture5->setGeometry(Rect::fromSize(0, SH2 - kBottomBarHeight, SW2, kBottomBarHeight));
    // The panel's lowest 5 pixels lie under the top of the bottom bar.
    Picture6->setGeometry(Rect::fromSize(SW2 - kPanelWidth, 0, kPanelWidth, SH2 - 36));
    const int splitter = SW2 - kSplitterWidth - (Picture6->visible() ? kPanelWidth : 0);
    Picture3->setGeometry(Rect::fromSize(splitter, 0, kSplitterWidth, SH2 - 36));
    Picture3->bringToFront();

    const Rect playerArea = Rect::fromSize(-2, -2, splitter + 4, SH2 - 35);
    bj->setGeometry(playerArea);
    W3->setGeometry(playerArea);
    vip->setGeometry(Rect::fromSize(-40, -40, splitter + 80, SH2 - 1));

    const float vipWidth = pixelsToTwips(vip->geometry().width());
    const float vipHeight = pixelsToTwips(vip->geometry().height());
    vip3->setGeometry(twipsRect(0, vipHeight - 300, vipWidth, pixelsToTwips(vip3->geometry().height())));
    qvod->setGeometry(twipsRect(-40, -40, vipWidth + 40, vipHeight + 80));
}

// The handle's top subtracts its width, not its height.
void Form1::Picture3_Resize() {
    if (minimised()) return;
    const auto [width, height] = sizeOf(*Picture3);
    Image11->setGeometry(Rect::fromSize(0, 0, width, height));
    Picture4->setGeometry(Rect::fromSize(0, nearestInteger(height / 2.0 - width - 40), width, kHandleHeight));
}

void Form1::Picture5_Resize() {
    if (minimised()) return;
    const int width = Picture5->geometry().width();
    Picture8->setGeometry(Rect::fromSize(width - 19 - 5, 0, 19, kBottomBarHeight));
    Picture9->setGeometry(
        Rect::fromSize(nearestInteger((width - kDragStripWidth) / 2.0), 0, kDragStripWidth, kBottomBarHeight));
    place(*Image14, 0, 0);
    place(*Image2, 4, 16);
    place(*Label1, Image2->geometry().left + 20, 16);
}

// The list's height comes from the advertisement's height before the
// advertisement is placed, so the first layout uses its design height.
void Form1::Picture6_Resize() {
    if (minimised()) return;
    const auto [width, height] = sizeOf(*Picture6);
    Picture7->setGeometry(Rect::fromSize(width - 31, 0, 31, 31));
    const Rect list = Rect::fromSize(0, 45, width, height - 45 - listad1->UserControl.geometry().height());
    SFPlayList1Window->setGeometry(list);
    listad1->UserControl.setGeometry(Rect::fromSize(30, list.bottom + 8, 185, 177));
}

void Form1::Picture9_Resize() { place(*Label2, twipsToPixels(2600), twipsToPixels(200)); }

void Form1::vip3_Resize() {
    const double label = (pixelsToTwips(vip3->geometry().width()) - pixelsToTwips(Label5->geometry().width())) / 2;
    place(*Label5, twipsToPixels(label), Label5->geometry().top);
    place(*tip, twipsToPixels(label + 900), tip->geometry().top);
}

void Form1::bj_Resize() {
    const auto [width, height] = sizeOf(*bj);
    const auto [pictureWidth, pictureHeight] = sizeOf(*bjimg);
    place(*bjimg, nearestInteger((width - pictureWidth) / 2.0), nearestInteger((height - pictureHeight) / 2.0));
}

void Form1::Picture4_Resize() { Picture4_Paint(); }

}  // namespace fluvane::mainwindow

#include "mainwindow/form1_design.h"

namespace fluvane::mainwindow {

namespace {

constexpr platform::Color kBackground{0x1F1F1F};
constexpr platform::Color kPlaylistPanel{0x191919};
constexpr platform::Color kCountdownStrip{0x404040};
constexpr platform::Color kWhite{0xFFFFFF};
constexpr platform::Color kGrey{0xC0C0C0};
constexpr platform::Color kYellow{0x00FFFF};
constexpr int kWindowFrameColor = 6;

// The pictures stored with the window, by resource number.
constexpr int kPanelHeader = 301;
constexpr int kClearButtonCells = 302;
constexpr int kSplitter = 303;
constexpr int kHandleShownCells = 304;
constexpr int kHandleHiddenCells = 305;
constexpr int kUpdateIcon = 306;
constexpr int kUpdateIconHover = 307;

platform::Image& addHolder(platform::Surface& parent) {
    platform::Image& image = parent.addImage();
    image.setVisible(false);
    return image;
}

platform::Image& addStored(platform::Image& image, platform::Ui& ui, int resource, bool stretch = false) {
    image.setPicture(ui.resourcePicture(resource), stretch);
    return image;
}

platform::Label& addHitArea(platform::Surface& parent) {
    platform::Label& label = parent.addLabel();
    label.setBackColor(kBackground, true);
    return label;
}

platform::Label& addLabel(platform::Surface& parent, platform::Rect place) {
    platform::Label& label = parent.addLabel();
    label.setGeometry(place);
    return label;
}

}  // namespace

Form1Design::Form1Design(platform::Ui& ui, const std::string& portalUrl) : form_(ui.createForm()) {
    using platform::Rect;
    platform::Form& w = *form_;
    w.setBackColor(kBackground);

    const platform::Color frame = ui.systemColor(kWindowFrameColor);
    for (platform::Line** line : {&Line1, &Line2, &Line3, &Line4}) {
        *line = &w.addLine();
        (*line)->setColor(frame);
    }
    for (platform::Image** holder :
         {&Image1, &Image4, &Image5, &Image6, &Image7, &Image8, &Image9, &Image10, &cai, &zb, &tv, &logo}) {
        *holder = &addHolder(w);
    }
    for (const int index : {0, 1, 2, 3, 4, 7}) Button1[index] = &addHitArea(w);
    // Button1 (1) names the state it would switch to: it gets its tooltip on hover.
    Button1[0]->setToolTip("关闭软件");
    Button1[2]->setToolTip("最小化");
    Button1[3]->setToolTip("菜单");
    Button1[4]->setToolTip("意见反馈");
    Button1[7]->setToolTip("菜单导航");
    for (platform::Label*& tab : Button2) tab = &addHitArea(w);
    Button2[0]->setToolTip("播放窗口");
    Button2[1]->setToolTip("片库首页");
    for (platform::Label* tab : {Button2[2], Button2[3], Button2[4]}) tab->setToolTip("应用库");
    Button2[4]->setVisible(false);

    Picture1 = &w.addSurface();
    ListWeb = &Picture1->addBrowser();
    W2 = &Picture1->addBrowser();
    W2->setVisible(false);

    Picture2 = &w.addSurface();
    Picture2->setBackColor(kBackground);
    bj = &Picture2->addSurface();
    bj->setBackColor(kBackground);  // the backdrop picture fades into it
    bjimg = &bj->addImage();
    // The player page loads under the buffering overlay, which in turn lies
    // under the panel and the bottom bar it reaches into.
    W3 = &Picture2->addBrowser();
    W3->setVisible(false);
    vip = &Picture2->addSurface();
    vip->setVisible(false);
    qvod = &vip->addBrowser();
    // A video in any pane of the main window may take the whole screen; the
    // advertisement windows' panes may not.
    for (platform::BrowserPane* pane : {ListWeb, W2, W3, qvod}) pane->setFullScreenAllowed(true);
    vip3 = &vip->addSurface();  // the countdown shows over the page
    vip3->setGeometry(Rect::fromSize(0, 0, 0, 20));
    vip3->setBackColor(kCountdownStrip);
    // Six characters end where tip begins, 60 pixels on, only at 10 pixels
    // (7.5 points) each; any wider, and the label would wrap "时：" out of sight.
    Label5 = &addLabel(*vip3, Rect::fromSize(0, 4, 64, 12));
    Label5->setFont(platform::Font{.size = 7.5});
    Label5->setCaption("缓冲倒计时：");
    Label5->setForeColor(kGrey);
    tip = &addLabel(*vip3, Rect::fromSize(0, 4, 40, 12));
    tip->setForeColor(kYellow);
    Picture6 = &Picture2->addSurface();
    Picture6->setBackColor(kPlaylistPanel);
    Image15 = &addStored(Picture6->addImage(), ui, kPanelHeader);
    Picture7 = &Picture6->addSurface();
    Picture7->setBackColor(kPlaylistPanel);  // beside its narrower cell
    Picture7->setToolTip("清除播放记录");
    Image16 = &addStored(addHolder(*Picture7), ui, kClearButtonCells);
    Image16->setToolTip("删除列表");
    SFPlayList1Window = &Picture6->addSurface();
    SFPlayList1 = std::make_unique<controls::SFPlayList>(*SFPlayList1Window, ui, platform::Font{});
    listad1 = std::make_unique<listad>(*Picture6, portalUrl);
    listad1->UserControl.setBackColor(kPlaylistPanel);
    listad1->UserControl.setGeometry(Rect::fromSize(30, 412, 185, 177));
    Picture5 = &Picture2->addSurface();
    Image14 = &Picture5->addImage();
    Picture9 = &Picture5->addSurface();
    Label2 = &addLabel(*Picture9, Rect::fromSize(0, 0, 270, 14));
    Picture8 = &Picture5->addSurface();
    Image17 = &addHolder(*Picture8);
    Image2 = &Picture5->addImage();
    Image3 = &addStored(addHolder(*Picture5), ui, kUpdateIcon);
    Image18 = &addStored(addHolder(*Picture5), ui, kUpdateIconHover);
    Image2->setPicture(Image3->picture(), false);
    Label1 = &addLabel(*Picture5, Rect::fromSize(0, 0, 160, 12));
    Label1->setForeColor(kWhite);
    Label1->setCaption("正在检测新版本");
    Picture3 = &Picture2->addSurface();
    Image11 = &addStored(Picture3->addImage(), ui, kSplitter, true);
    Picture4 = &Picture3->addSurface();
    Picture4->setCursor(platform::Cursor::Hand);
    Image12 = &addStored(addHolder(*Picture4), ui, kHandleShownCells);
    Image13 = &addStored(addHolder(*Picture4), ui, kHandleHiddenCells);

    tj = &w.addBrowser();
    tj->setVisible(false);

    // The library pane lies over the player pane; hiding it reveals the player.
    Picture1->bringToFront();
}

}  // namespace fluvane::mainwindow

#include "mainwindow/form1.h"

#include "mainwindow/notice_list.h"
#include "startup/config_files.h"
#include "startup/process_utils.h"

#include <chrono>
#include <filesystem>
#include <random>

namespace fluvane::mainwindow {

namespace {

constexpr platform::Color kBackground{0x1F1F1F};
constexpr platform::Color kPlaylistPanel{0x191919};
constexpr platform::Color kCountdownStrip{0x404040};
constexpr platform::Color kWhite{0xFFFFFF};
constexpr platform::Color kGrey{0xC0C0C0};
constexpr platform::Color kYellow{0x00FFFF};
constexpr int kWindowFrameColor = 6;
constexpr int kTabWidth = 116;

std::unique_ptr<platform::Timer> makeTimer(platform::Ui& ui, int interval, std::function<void()> tick) {
    auto timer = ui.createTimer();
    timer->setInterval(interval);
    timer->tick = std::move(tick);
    return timer;
}

platform::Image& addHolder(platform::Surface& parent) {
    platform::Image& image = parent.addImage();
    image.setVisible(false);
    return image;
}

platform::Label& addHitArea(platform::Surface& parent) {
    platform::Label& label = parent.addLabel();
    label.setBackColor(kBackground, true);
    return label;
}

// A file URL for a local page; bytes outside the unreserved set are escaped.
std::string fileUrl(const std::filesystem::path& file) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (const unsigned char c : file.generic_string()) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                           c == '/' || c == '-' || c == '_' || c == '.' || c == '~';
        if (plain) {
            url += static_cast<char>(c);
        } else {
            url += '%';
            url += kHex[c >> 4];
            url += kHex[c & 0xF];
        }
    }
    return url;
}

}  // namespace

Form1::Form1(platform::Platform& platform, MainWindowServices& services)
    : platform_(platform), services_(services), form_(platform.ui.createForm()) {
    platform::Form& w = *form_;
    w.setBackColor(kBackground);

    const platform::Color frame = platform.ui.systemColor(kWindowFrameColor);
    for (platform::Line** line : {&Line1, &Line2, &Line3, &Line4}) {
        *line = &w.addLine();
        (*line)->setColor(frame);
    }
    for (platform::Image** holder :
         {&Image1, &Image4, &Image5, &Image6, &Image7, &Image8, &Image9, &Image10, &cai, &zb, &tv, &logo}) {
        *holder = &addHolder(w);
    }
    for (const int index : {0, 1, 2, 3, 4, 7}) Button1[index] = &addHitArea(w);
    for (platform::Label*& tab : Button2) tab = &addHitArea(w);
    Button2[4]->setVisible(false);

    Picture1 = &w.addSurface();
    ListWeb = &Picture1->addBrowser();
    W2 = &Picture1->addBrowser();
    W2->setVisible(false);

    Picture2 = &w.addSurface();
    bj = &Picture2->addSurface();
    bjimg = &bj->addImage();
    Picture6 = &Picture2->addSurface();
    Picture6->setBackColor(kPlaylistPanel);
    Image15 = &Picture6->addImage();
    Picture7 = &Picture6->addSurface();
    Picture7->setToolTip("清除播放记录");
    Image16 = &addHolder(*Picture7);
    Image16->setToolTip("删除列表");
    SFPlayList1 = &Picture6->addSurface();
    listad1 = &Picture6->addSurface();
    vip = &Picture2->addSurface();
    vip->setVisible(false);
    vip3 = &vip->addSurface();
    vip3->setBackColor(kCountdownStrip);
    Label5 = &vip3->addLabel();
    Label5->setCaption("缓冲倒计时：");
    Label5->setForeColor(kGrey);
    tip = &vip3->addLabel();
    tip->setForeColor(kYellow);
    qvod = &vip->addBrowser();
    Picture5 = &Picture2->addSurface();
    Image14 = &Picture5->addImage();
    Picture9 = &Picture5->addSurface();
    Label2 = &Picture9->addLabel();
    Label2->events.click = [this] { Label2_Click(); };
    Picture8 = &Picture5->addSurface();
    Image17 = &addHolder(*Picture8);
    Image2 = &Picture5->addImage();
    Image3 = &addHolder(*Picture5);
    Image18 = &addHolder(*Picture5);
    Label1 = &Picture5->addLabel();
    Label1->setForeColor(kWhite);
    Label1->setCaption("正在检测新版本");
    Picture3 = &Picture2->addSurface();
    Image11 = &Picture3->addImage();
    Picture4 = &Picture3->addSurface();
    Picture4->setCursor(platform::Cursor::Hand);
    Image12 = &addHolder(*Picture4);
    Image13 = &addHolder(*Picture4);
    W3 = &Picture2->addBrowser();
    W3->setVisible(false);

    tj = &w.addBrowser();
    tj->setVisible(false);

    // The library pane lies over the player pane; hiding it reveals the player.
    Picture1->bringToFront();

    platform::Ui& ui = platform.ui;
    T4 = makeTimer(ui, 3000, [this] { T4_Timer(); });
    T6 = makeTimer(ui, 1000, [this] { T6_Timer(); });
    hit2 = makeTimer(ui, 6000, [this] { hit2_Timer(); });
    gun = makeTimer(ui, 1000, [this] { gun_Timer(); });
    gun2 = makeTimer(ui, 0, [this] { gun2_Timer(); });

    w.events.resize = [this] { Form_Resize(); };
    const platform::Size screen = ui.screenSize();
    w.setGeometry(platform::Rect::fromSize((screen.width - kDesignWidth) / 2,
                                           (screen.height - kDesignHeight) / 2, kDesignWidth,
                                           kDesignHeight));
    Form_Resize();
}

void Form1::Form_Load() {
    const std::filesystem::path appDir = platform_.application.directory();

    services_.ShowTrayIcon(*this, form_->caption());
    services_.ConnectNewWindowEvent(*this);
    services_.LoadSkin(*this);
    services_.LoadPlayList(*this, appDir / "zelskin" / "zelplaylist.xml");

    ListWeb->setSilent(true);
    const std::string loadingPage = fileUrl(appDir / "zelskin" / "html" / "Loading.html");
    ListWeb->navigate(loadingPage);
    W2->navigate(loadingPage);

    const platform::Size screen = platform_.ui.screenSize();
    services_.MaximiseBounds(*this, {0, 0}, {screen.width, screen.height - services_.TaskbarHeight()});

    using startup::ReadServerConfig;
    dizhi = ReadServerConfig(platform_, "澜映软件配置", "域名");
    form_->setCaption(ReadServerConfig(platform_, "澜映软件配置", "名称"));
    ad = ReadServerConfig(platform_, "弹窗广告设置项", "开关");
    L1 = ReadServerConfig(platform_, "弹窗广告设置项", "广告初始时间");
    l2 = ReadServerConfig(platform_, "弹窗广告设置项", "广告循环时间");
    tuichu = ReadServerConfig(platform_, "退窗广告设置项", "开关");
    huangchong = ReadServerConfig(platform_, "缓冲广告设置项", "开关");
    da = ReadServerConfig(platform_, "缓冲广告设置项", "缓冲时间");
    hit1 = ReadServerConfig(platform_, "电影推荐窗口", "开关");

    services_.TaskbarButtonBehaviour(*this);

    if (ad == "1") T6->setEnabled(true);
    if (hit1 == "1") hit2->setEnabled(true);

    using startup::ReadConfig;
    settings = {ReadConfig(platform_, "form", "form", ""), ReadConfig(platform_, "form", "run", ""),
                ReadConfig(platform_, "form", "renwulan", ""), ReadConfig(platform_, "form", "shipinku", "")};

    const bool libraryView = startup::ParseBoolean(settings.shipinku).value_or(false);
    Picture1->setVisible(libraryView);
    paintViewTabs(libraryView);

    services_.AddWindow(form_->handle(), 0);

    Label1->setCaption("当前版本:" + ReadConfig(platform_, "Version", "Version", "") + "版");

    platform_.network.downloadToFile(platform_.portalUrl + "/zel/link.txt", appDir / "link.txt");

    gun->setEnabled(true);
}

void Form1::Form_Resize() {
    const platform::Rect window = form_->geometry();
    const int width = window.width();
    const int height = window.height();
    Line1->setEnds({0, 0}, {width, 0});
    Line2->setEnds({0, 0}, {0, height});
    Line3->setEnds({width - 1, 0}, {width - 1, height});
    Line4->setEnds({0, height - 1}, {width, height - 1});

    const int paneHeight = std::max(0, height - kTitleHeight);
    const platform::Rect pane = platform::Rect::fromSize(0, kTitleHeight, width, paneHeight);
    const platform::Rect inside = platform::Rect::fromSize(0, 0, width, paneHeight);
    Picture1->setGeometry(pane);
    ListWeb->setGeometry(inside);
    W2->setGeometry(inside);
    Picture2->setGeometry(pane);
    W3->setGeometry(inside);
}

void Form1::show() { form_->show(); }

void Form1::paintViewTabs(bool libraryView) {
    const auto paint = [this](platform::Image& strip, int sourceX, int destinationX) {
        if (const auto picture = strip.picture()) {
            form_->canvas().copy(*picture, platform::Rect::fromSize(sourceX, 0, kTabWidth, kTitleHeight),
                                 {destinationX, 1});
        }
    };
    paint(*Image9, libraryView ? 0 : 2 * kTabWidth, kTabWidth);
    paint(*Image10, libraryView ? 2 * kTabWidth : 0, 2 * kTabWidth);
}

void Form1::T4_Timer() {
    T4->setEnabled(false);
    ListWeb->navigate(dizhi + "/tcab/");
    qvod->navigate(dizhi + "/tcab/zelad/zelloading.html");
}

void Form1::T6_Timer() { services_.PopupSchedule(*this); }

void Form1::hit2_Timer() {
    hit2->setEnabled(false);
    services_.ShowRecommendation(*this);
}

void Form1::gun_Timer() {
    gun->setEnabled(false);
    const std::filesystem::path file = platform_.application.directory() / "link.txt";
    std::error_code error;
    if (!std::filesystem::exists(file, error)) return;

    gun2->setInterval(1000);
    gun2->setEnabled(true);
    noticeCountdown_ = 5;

    const std::vector<std::string> lines = ReadNoticeLines(file, platform_.codePage);
    if (lines.empty()) return;
    std::mt19937 random(static_cast<std::uint32_t>(
        std::chrono::steady_clock::now().time_since_epoch().count()));
    std::uniform_int_distribution<std::size_t> pick(0, lines.size() - 1);
    const Notice notice = SplitNotice(lines[pick(random)]);
    Label2->setCaption(notice.text);
    if (notice.link) noticeLink = *notice.link;
}

// Once link.txt is gone nothing resets the countdown; the timer then stops at 0.
void Form1::gun2_Timer() {
    if (noticeCountdown_ <= 0) {
        gun2->setEnabled(false);
        return;
    }
    if (--noticeCountdown_ == 0) gun->setEnabled(true);
}

void Form1::Label2_Click() { startup::OpenLink(platform_.shell, noticeLink); }

}  // namespace fluvane::mainwindow

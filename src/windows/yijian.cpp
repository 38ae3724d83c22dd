#include "windows/yijian.h"

#include "platform/shared/twips.h"
#include "startup/web_url.h"
#include "windows/frame_lines.h"
#include "windows/window_placement.h"

namespace fluvane::windows {

namespace {

constexpr int kCloseWidth = 32;
constexpr int kCloseTop = 6;
constexpr int kContentTop = 42;
// Cutting the region's bottom edge this far below the window rounds only the top corners.
constexpr int kRegionOverhang = 200;
constexpr platform::Size kRegionCorner{5, 5};
// The pane's border lies outside the content box (twips).
constexpr int kPaneOverhangTwips = 40;

}  // namespace

yijian::yijian(platform::Platform& platform, std::string dizhi)
    : yijianDesign(platform.ui), T1(platform.ui.createTimer(*form_)), platform_(platform), dizhi_(std::move(dizhi)) {
    T1->setInterval(kGuestbookDelay);
    T1->tick = [this] { T1_Timer(); };
    auto& events = form_->events;
    events.resize = [this] { Form_Resize(); };
    events.paint = [this] { Form_Paint(); };
    events.mouseMove = [this](const platform::MouseEvent& e) { Form_MouseMove(e); };
    events.mouseDown = [this](const platform::MouseEvent& e) { Form_MouseDown(e); };
    P1->events.resize = [this] { P1_Resize(); };
    auto& button = Button1[0]->events;
    button.mouseMove = [this](const platform::MouseEvent& e) { Button1_MouseMove(0, e); };
    button.mouseDown = [this](const platform::MouseEvent& e) { Button1_MouseDown(0, e); };
    button.click = [this] { Button1_Click(0); };
    WebBrowser1->browserEvents.downloadBegin = [this] { WebBrowser1_DownloadBegin(); };
    Form_Resize();
    P1_Resize();
}

void yijian::Form_Load() {
    WebBrowser1->navigate(startup::localPageUrl(platform_.application.directory() / "zelskin" / "html" / "gbook.html"));
    T1->setEnabled(true);
}

void yijian::T1_Timer() {
    T1->setEnabled(false);
    if (const auto page = startup::portalPage(dizhi_, "/tcab/gbook.asp")) WebBrowser1->navigate(*page);
}

bool yijian::minimised() const { return form_->windowState() == platform::WindowState::Minimized; }

void yijian::Form_Resize() {
    if (minimised()) return;
    const platform::Rect window = form_->geometry();
    const int width = window.width();
    const int height = window.height();
    form_->setRegion(platform::RoundedRect{{0, 0, width + 1, height + kRegionOverhang}, kRegionCorner});
    layOutFrameLines({Line1, Line2, Line3, Line4}, {width, height}, kContentTop - 1);
    Button1[0]->setGeometry(platform::Rect::fromSize(width - kCloseWidth, kCloseTop, kCloseWidth, kTitleHeight));
    const platform::Rect box = P1->geometry();
    P1->setGeometry(platform::Rect::fromSize(box.left, box.top, width - 4, height - kContentTop));
}

void yijian::P1_Resize() {
    if (minimised()) return;
    const platform::Rect box = P1->geometry();
    const int overhang = platform::shared::twipsToPixels(kPaneOverhangTwips);
    WebBrowser1->setGeometry(platform::Rect::fromSize(
        -overhang, -overhang,
        platform::shared::twipsToPixels(box.width() * platform::shared::kTwipsPerPixel + 2 * kPaneOverhangTwips),
        platform::shared::twipsToPixels(box.height() * platform::shared::kTwipsPerPixel + 2 * kPaneOverhangTwips)));
}

void yijian::Form_Paint() {
    platform::Canvas& canvas = form_->canvas();
    const int width = form_->geometry().width();
    if (const auto title = Image1->picture()) {
        canvas.copy(*title, platform::Rect::fromSize(0, 0, width, kTitleHeight), {0, 0});
    }
    paintCloseButton(CloseLook::Normal);
    canvas.setFont(kFont);
    canvas.setTextColor(kForeColor);
    canvas.text(form_->caption(), platform::Rect{26, 12, width - kCloseWidth, kTitleHeight}, false);
}

void yijian::paintCloseButton(CloseLook look) {
    const auto frames = Image4->picture();
    if (!frames) return;
    const int width = form_->geometry().width();
    form_->canvas().copy(*frames, platform::Rect::fromSize(static_cast<int>(look), 0, kCloseWidth, kTitleHeight),
                         {width - kCloseWidth, kCloseTop});
}

void yijian::Form_MouseMove(const platform::MouseEvent&) { paintCloseButton(CloseLook::Normal); }

void yijian::Form_MouseDown(const platform::MouseEvent&) { startWindowDrag(*form_); }

void yijian::Button1_MouseMove(int, const platform::MouseEvent&) { paintCloseButton(CloseLook::Hover); }

void yijian::Button1_MouseDown(int, const platform::MouseEvent&) { paintCloseButton(CloseLook::Pressed); }

void yijian::Button1_Click(int) { form_->close(); }

void yijian::WebBrowser1_DownloadBegin() { WebBrowser1->setSilent(true); }

// Centred on the main window when it first shows; shown again, it stays
// where the user put it.
void yijian::Show(platform::Form& owner) {
    form_->setOwner(&owner);
    if (!placed_) centreOn(*form_, owner.geometry());
    placed_ = true;
    form_->show();
}

}  // namespace fluvane::windows

#include "windows/f_main.h"

#include "startup/web_url.h"
#include "windows/frame_lines.h"
#include "windows/window_placement.h"

namespace fluvane::windows {

namespace {

// The pane's own border lies outside the content box.
constexpr int kPaneOverhang = 4;

}  // namespace

fMain::fMain(platform::Platform& platform)
    : fMainDesign(platform.ui), T1(platform.ui.createTimer(*form_)), platform_(platform) {
    T1->setInterval(kFeedDelay);
    T1->tick = [this] { T1_Timer(); };
    form_->events.resize = [this] { Form_Resize(); };
    P1->events.resize = [this] { P1_Resize(); };
    P->events.mouseDown = [this](const platform::MouseEvent& e) { P_MouseDown(e); };
    P->events.mouseMove = [this](const platform::MouseEvent& e) { P_MouseMove(e); };
    I1->events.mouseMove = [this](const platform::MouseEvent& e) { I1_MouseMove(e); };
    I1->events.click = [this] { I1_Click(); };
    w->browserEvents.downloadBegin = [this] { w_DownloadBegin(); };
    Form_Resize();
    P1_Resize();
}

void fMain::Form_Load(platform::Form& mainForm, winsvc::cMagneticWnd& magnetic) {
    const platform::Rect main = mainForm.geometry();
    moveTo({main.right, main.top});
    magnetic.AddWindow(*form_, &mainForm);
    w->navigate(startup::localPageUrl(platform_.application.directory() / "app" / "loading.html"));
    T1->setEnabled(true);
}

void fMain::T1_Timer() {
    T1->setEnabled(false);
    if (const auto page = startup::portalPage(platform_.portalUrl, "/tcab/zelad/l/")) w->navigate(*page);
}

bool fMain::minimised() const { return form_->windowState() == platform::WindowState::Minimized; }

void fMain::Form_Resize() {
    if (minimised()) return;
    const platform::Rect window = form_->geometry();
    const int width = window.width();
    const int height = window.height();
    layOutFrameLines({Line1, Line2, Line3, Line4}, {width, height}, 0);
    P1->setGeometry(platform::Rect::fromSize(1, kTitleHeight, width - 2, height - kTitleHeight - 1));
    P->setGeometry(platform::Rect::fromSize(1, 1, width - 2, kTitleHeight));
}

void fMain::P1_Resize() {
    if (minimised()) return;
    const platform::Rect box = P1->geometry();
    w->setGeometry(platform::Rect::fromSize(-kPaneOverhang, -kPaneOverhang, box.width() + 2 * kPaneOverhang,
                                            box.height() + 2 * kPaneOverhang));
}

void fMain::P_MouseDown(const platform::MouseEvent&) { startWindowDrag(*form_); }

void fMain::P_MouseMove(const platform::MouseEvent&) { I1->setPicture(i2->picture(), false); }

void fMain::I1_MouseMove(const platform::MouseEvent&) { I1->setPicture(i3->picture(), false); }

// Being destroyed, the window leaves the magnetic service by itself.
void fMain::I1_Click() { form_->close(); }

void fMain::w_DownloadBegin() { w->setSilent(true); }

void fMain::Show(platform::Point topLeft) {
    form_->setOwner(nullptr);
    moveTo(topLeft);
    form_->show();
}

void fMain::moveTo(platform::Point topLeft) {
    const platform::Rect window = form_->geometry();
    form_->setGeometry(platform::Rect::fromSize(topLeft.x, topLeft.y, window.width(), window.height()));
}

}  // namespace fluvane::windows

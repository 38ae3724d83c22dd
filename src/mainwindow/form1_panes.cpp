#include "mainwindow/form1.h"

#include "mainwindow/sprite_cells.h"
#include "startup/update.h"

namespace fluvane::mainwindow {

namespace {

// A panel button: while the pointer is strictly inside, it holds the mouse
// and shows its hover cell; outside, it lets go unless a button is held, and
// rests. True while inside.
bool hover(platform::Surface& button, const platform::Image& cells, platform::Size cell,
           const platform::MouseEvent& e) {
    const platform::Rect g = button.geometry();
    const bool inside = e.x > 0 && e.x < g.width() && e.y > 0 && e.y < g.height();
    if (inside)
        button.setCapture();
    else if (e.button == platform::button::None)
        button.releaseCapture();
    copyFrom(cells, spriteCell(inside ? 1 : 0, cell), button, {0, 0});
    return inside;
}

}  // namespace

void Form1::connectPanes() {
    Picture4->events.click = [this] { Picture4_Click(); };
    Picture8->events.click = [this] { Picture8_Click(); };
    Picture4->events.mouseMove = [this](const platform::MouseEvent& e) { Picture4_MouseMove(e); };
    Picture8->events.mouseMove = [this](const platform::MouseEvent& e) { Picture8_MouseMove(e); };
    Picture8->events.mouseDown = [this](const platform::MouseEvent&) { Picture8_MouseDown(); };
    Picture7->events.mouseMove = [this](const platform::MouseEvent& e) { Picture7_MouseMove(e); };
    Picture7->events.mouseDown = [this](const platform::MouseEvent&) { Picture7_MouseDown(); };
    Picture7->events.click = [this] { Picture7_Click(); };
    Image2->events.mouseMove = [this](const platform::MouseEvent&) { Image2_MouseMove(); };
    Picture5->events.mouseMove = [this](const platform::MouseEvent&) { Picture5_MouseMove(); };
    Image2->events.click = [this] { Image2_Click(); };
    Label1->events.click = [this] { Label1_Click(); };
    // These clear a resize pointer left over from the window's edge.
    Image14->events.mouseUp = [this](const platform::MouseEvent&) { resetPointer(); };
    Image15->events.mouseMove = [this](const platform::MouseEvent&) { resetPointer(); };
    Label1->events.mouseMove = [this](const platform::MouseEvent&) { resetPointer(); };
}

// The playlist panel shows or hides; the splitter and the player area follow.
void Form1::Picture4_Click() {
    Picture6->setVisible(!Picture6->visible());
    Picture2_Resize();
    Picture4_Paint();
}

void Form1::Picture8_Click() { Picture4_Click(); }

void Form1::Picture4_MouseMove(const platform::MouseEvent& e) {
    hover(*Picture4, Picture6->visible() ? *Image12 : *Image13, kHandleCell, e);
    resetPointer();
}

void Form1::Picture8_MouseMove(const platform::MouseEvent& e) {
    if (hover(*Picture8, *Image17, kPlaylistButtonCell, e))
        Picture8->setToolTip(Picture6->visible() ? "隐藏播放列表" : "显示播放列表");
    resetPointer();
}

void Form1::Picture8_MouseDown() { copyFrom(*Image17, spriteCell(2, kPlaylistButtonCell), *Picture8, {0, 0}); }

void Form1::Picture7_MouseMove(const platform::MouseEvent& e) {
    hover(*Picture7, *Image16, kClearCell, e);
    resetPointer();
}

void Form1::Picture7_MouseDown() { copyFrom(*Image16, spriteCell(2, kClearCell), *Picture7, {0, 0}); }

void Form1::Picture7_Click() { SFPlayList1->ClearNodes(); }

void Form1::Image2_MouseMove() {
    Image2->setPicture(Image18->picture(), false);
    resetPointer();
}

void Form1::Picture5_MouseMove() {
    Image2->setPicture(Image3->picture(), false);
    resetPointer();
}

void Form1::Image2_Click() { startup::shengji(platform_); }

void Form1::Label1_Click() { startup::shengji(platform_); }

}  // namespace fluvane::mainwindow

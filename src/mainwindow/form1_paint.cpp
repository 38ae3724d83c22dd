#include "mainwindow/form1.h"

#include "mainwindow/sprite_cells.h"

namespace fluvane::mainwindow {

namespace {

using platform::Rect;

constexpr platform::Size kLogoSize{97, 26};

}  // namespace

void Form1::connectPainting() {
    Picture4->events.paint = [this] { Picture4_Paint(); };
    Picture7->events.paint = [this] { Picture7_Paint(); };
    Picture8->events.paint = [this] { Picture8_Paint(); };
}

void Form1::Picture4_Paint() {
    copyFrom(Picture6->visible() ? *Image12 : *Image13, spriteCell(0, kHandleCell), *Picture4, {0, 0});
}

// The 31 x 31 button shows the top-left part of its cell.
void Form1::Picture7_Paint() { copyFrom(*Image16, spriteCell(0, kClearCell), *Picture7, {0, 0}); }

void Form1::Picture8_Paint() { copyFrom(*Image17, spriteCell(0, kPlaylistButtonCell), *Picture8, {0, 0}); }

}  // namespace fluvane::mainwindow

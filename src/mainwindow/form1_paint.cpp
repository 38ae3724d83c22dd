#include "mainwindow/form1.h"

#include "mainwindow/sprite_cells.h"

namespace fluvane::mainwindow {

namespace {

using platform::Rect;

constexpr int kTabWidth = 116;
constexpr int kTitleHeight = 45;

Rect restingCell(int width, int height) { return spriteCell(0, {width, height}); }

}  // namespace

void Form1::connectPainting() {
    form_->events.paint = [this] { Form_Paint(); };
    Picture4->events.paint = [this] { Picture4_Paint(); };
    Picture7->events.paint = [this] { Picture7_Paint(); };
    Picture8->events.paint = [this] { Picture8_Paint(); };
}

// The title strip is copied, not stretched: a window wider than the picture
// shows bare surface at the right.
void Form1::Form_Paint() {
    const int SW = form_->geometry().width();
    copyFrom(*Image1, Rect::fromSize(1, 0, SW - 2, kTitleHeight), *form_, {1, 0});
    paintTitleButtons();
    copyFrom(*logo, restingCell(97, 26), *form_, {8, 9});
}

// Every window button and tab in its resting cell.
void Form1::paintTitleButtons() {
    const int SW = form_->geometry().width();
    const auto button = [&](const platform::Image& cells, int width, int fromRight) {
        copyFrom(cells, restingCell(width, kTitleHeight), *form_, {SW - fromRight, 2});
    };
    button(*Image4, 32, 34);
    const platform::WindowState state = form_->windowState();
    if (state == platform::WindowState::Normal) button(*Image5, 27, 61);
    if (state == platform::WindowState::Maximized) button(*Image8, 27, 61);
    button(*Image6, 27, 88);
    button(*cai, 27, 115);
    button(*Image7, 27, 142);
    paintTabs();
}

// Tabs 2 and 3 rest even while their page shows.
void Form1::paintTabs() {
    paintViewTabs();
    copyFrom(*zb, restingCell(kTabWidth, kTitleHeight), *form_, {348, 1});
    copyFrom(*tv, restingCell(kTabWidth, kTitleHeight), *form_, {464, 1});
}

// The tab of the view on show is painted selected.
void Form1::paintViewTabs() {
    const bool libraryView = Picture1->visible();
    copyFrom(*Image9, Rect::fromSize(libraryView ? 0 : 2 * kTabWidth, 0, kTabWidth, kTitleHeight), *form_,
             {kTabWidth, 1});
    copyFrom(*Image10, Rect::fromSize(libraryView ? 2 * kTabWidth : 0, 0, kTabWidth, kTitleHeight), *form_,
             {2 * kTabWidth, 1});
}

void Form1::Picture4_Paint() {
    copyFrom(Picture6->visible() ? *Image12 : *Image13, spriteCell(0, kHandleCell), *Picture4, {0, 0});
}

// The 31 x 31 button shows the top-left part of its cell.
void Form1::Picture7_Paint() { copyFrom(*Image16, spriteCell(0, kClearCell), *Picture7, {0, 0}); }

void Form1::Picture8_Paint() { copyFrom(*Image17, spriteCell(0, kPlaylistButtonCell), *Picture8, {0, 0}); }

}  // namespace fluvane::mainwindow

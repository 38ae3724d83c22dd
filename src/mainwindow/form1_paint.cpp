#include "mainwindow/form1.h"

#include "mainwindow/sprite_cells.h"
#include "mainwindow/title_bar.h"

namespace fluvane::mainwindow {

namespace {

using platform::Rect;

constexpr platform::Size kLogoSize{97, 26};

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
    copyFrom(*logo, spriteCell(kRestingCell, kLogoSize), *form_, {8, 9});
}

// Every window button and tab in its resting cell.
void Form1::paintTitleButtons() {
    paintWindowButtons(std::nullopt);
    paintTabs();
}

void Form1::paintWindowButtons(std::optional<int> hovered) {
    for (const WindowButton& button : kWindowButtons)
        paintWindowButton(button.index, button.index == hovered ? kHoverCell : kRestingCell);
}

void Form1::paintWindowButton(int index, int cell) {
    platform::Image* const cells = windowButtonCells(index);
    if (!cells) return;
    const WindowButton& button = kWindowButtons.at(static_cast<std::size_t>(index));
    const int SW = form_->geometry().width();
    copyFrom(*cells, spriteCell(cell, {button.width, kTitleHeight}), *form_,
             {SW - button.fromRight, kWindowButtonTop});
}

// The maximise slot shows the restore button while the window is maximised,
// and neither while it is minimised.
platform::Image* Form1::windowButtonCells(int index) const {
    switch (index) {
        case 0: return Image4;
        case 1:
            switch (form_->windowState()) {
                case platform::WindowState::Normal: return Image5;
                case platform::WindowState::Maximized: return Image8;
                case platform::WindowState::Minimized: return nullptr;
            }
            return nullptr;
        case 2: return Image6;
        case 3: return cai;
        case 4: return Image7;
        default: return nullptr;
    }
}

// Tabs 2 and 3 rest even while their page shows.
void Form1::paintTabs() {
    paintViewTabs();
    paintTab(2, kRestingCell);
    paintTab(3, kRestingCell);
}

// The tab of the view on show is painted selected.
void Form1::paintViewTabs() {
    const bool libraryView = Picture1->visible();
    paintTab(0, libraryView ? kRestingCell : kSelectedCell);
    paintTab(1, libraryView ? kSelectedCell : kRestingCell);
}

void Form1::paintTab(int tab, int cell) {
    const platform::Image* const cells[] = {Image9, Image10, zb, tv};
    const auto at = static_cast<std::size_t>(tab);
    copyFrom(*cells[at], spriteCell(cell, {kTabWidth, kTitleHeight}), *form_, {kTabLefts[at], kTabTop});
}

void Form1::Picture4_Paint() {
    copyFrom(Picture6->visible() ? *Image12 : *Image13, spriteCell(0, kHandleCell), *Picture4, {0, 0});
}

// The 31 x 31 button shows the top-left part of its cell.
void Form1::Picture7_Paint() { copyFrom(*Image16, spriteCell(0, kClearCell), *Picture7, {0, 0}); }

void Form1::Picture8_Paint() { copyFrom(*Image17, spriteCell(0, kPlaylistButtonCell), *Picture8, {0, 0}); }

}  // namespace fluvane::mainwindow

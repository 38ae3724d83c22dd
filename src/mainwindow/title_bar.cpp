#include "mainwindow/title_bar.h"

#include "mainwindow/sprite_cells.h"

namespace fluvane::mainwindow {

namespace {

using platform::Rect;

constexpr platform::Size kLogoSize{97, 26};

bool isWindowButton(int index) { return index >= 0 && index < static_cast<int>(kWindowButtons.size()); }

}  // namespace

TitleBar::TitleBar(Form1Design& design, Actions actions)
    : design_(design), form_(design.form()), actions_(std::move(actions)) {
    form_.events.paint = [this] { Form_Paint(); };
    for (const auto& entry : design_.Button1) {
        const int index = entry.first;
        platform::ControlEvents& events = entry.second->events;
        events.mouseMove = [this, index](const platform::MouseEvent& e) { Button1_MouseMove(index, e); };
        events.mouseDown = [this, index](const platform::MouseEvent& e) { Button1_MouseDown(index, e); };
        events.click = [this, index] { Button1_Click(index); };
    }
    for (int index = 0; index < static_cast<int>(design_.Button2.size()); ++index) {
        platform::ControlEvents& events = design_.Button2[static_cast<std::size_t>(index)]->events;
        events.mouseMove = [this, index](const platform::MouseEvent& e) { Button2_MouseMove(index, e); };
        events.click = [this, index] { Button2_Click(index); };
    }
}

// The title strip is copied, not stretched: a window wider than the picture
// shows bare surface at the right.
void TitleBar::Form_Paint() {
    const int SW = form_.geometry().width();
    copyFrom(*design_.Image1, Rect::fromSize(1, 0, SW - 2, kTitleHeight), form_, {1, 0});
    paintTitleButtons();
    copyFrom(*design_.logo, spriteCell(kRestingCell, kLogoSize), form_, {8, 9});
}

void TitleBar::paintTitleButtons() {
    paintWindowButtons(std::nullopt);
    paintTabs();
}

void TitleBar::paintWindowButtons(std::optional<int> hovered) {
    for (const WindowButton& button : kWindowButtons)
        paintWindowButton(button.index, button.index == hovered ? kHoverCell : kRestingCell);
}

void TitleBar::paintWindowButton(int index, int cell) {
    platform::Image* const cells = windowButtonCells(index);
    if (!cells) return;
    const WindowButton& button = kWindowButtons.at(static_cast<std::size_t>(index));
    const int SW = form_.geometry().width();
    copyFrom(*cells, spriteCell(cell, {button.width, kTitleHeight}), form_, {SW - button.fromRight, kWindowButtonTop});
}

// The maximise slot shows the restore button while the window is maximised,
// and neither while it is minimised.
platform::Image* TitleBar::windowButtonCells(int index) const {
    switch (index) {
        case 0:
            return design_.Image4;
        case 1:
            switch (form_.windowState()) {
                case platform::WindowState::Normal:
                    return design_.Image5;
                case platform::WindowState::Maximized:
                    return design_.Image8;
                case platform::WindowState::Minimized:
                    return nullptr;
            }
            return nullptr;
        case 2:
            return design_.Image6;
        case 3:
            return design_.cai;
        case 4:
            return design_.Image7;
        default:
            return nullptr;
    }
}

// Tabs 2 and 3 rest even while their page shows.
void TitleBar::paintTabs() {
    paintViewTabs();
    paintTab(2, kRestingCell);
    paintTab(3, kRestingCell);
}

void TitleBar::paintViewTabs() {
    const bool libraryView = actions_.libraryView();
    paintTab(0, libraryView ? kRestingCell : kSelectedCell);
    paintTab(1, libraryView ? kSelectedCell : kRestingCell);
}

void TitleBar::paintTab(int tab, int cell) {
    const platform::Image* const cells[] = {design_.Image9, design_.Image10, design_.zb, design_.tv};
    const auto at = static_cast<std::size_t>(tab);
    copyFrom(*cells[at], spriteCell(cell, {kTabWidth, kTitleHeight}), form_, {kTabLefts[at], kTabTop});
}

// The maximise button names what a click will do, so its tooltip follows
// the window state.
void TitleBar::Button1_MouseMove(int Index, const platform::MouseEvent&) {
    if (isWindowButton(Index)) {
        if (Index == 1)
            design_.Button1[1]->setToolTip(form_.windowState() == platform::WindowState::Normal ? "最大化" : "还原");
        paintWindowButtons(Index);
    }
    actions_.resetPointer();
}

void TitleBar::Button1_MouseDown(int Index, const platform::MouseEvent&) {
    if (isWindowButton(Index)) paintWindowButton(Index, kPressedCell);
}

void TitleBar::Button1_Click(int Index) {
    switch (Index) {
        case 0:
            actions_.close();
            break;
        case 1:
            actions_.toggleMaximised();
            break;
        case 2:
            actions_.minimise();
            break;
        case 3:
            actions_.showMenu();
            break;
        case 4:
            actions_.showFeedback();
            break;
        default:
            break;  // the logo area only keeps the surface below from starting a drag
    }
}

// A tab already selected does not light up; hovering it returns its
// neighbours to rest instead.
void TitleBar::Button2_MouseMove(int Index, const platform::MouseEvent&) {
    const bool libraryView = actions_.libraryView();
    switch (Index) {
        case 0:
            if (libraryView) {
                paintTab(0, kHoverCell);
            } else {
                paintTab(1, kRestingCell);
                paintTab(2, kRestingCell);
            }
            break;
        case 1:
            if (!libraryView) {
                paintTab(1, kHoverCell);
            } else {
                paintTab(0, kRestingCell);
                paintTab(2, kRestingCell);
            }
            break;
        case 2:
        case 3:
            paintTab(Index, kSelectedCell);
            break;
        default:
            break;
    }
    actions_.resetPointer();
}

// The view tabs repaint with their view; an application page's tab shows
// selected while its page is on.
void TitleBar::Button2_Click(int Index) {
    if (Index < 0 || Index > 3) return;
    actions_.showTab(Index);
    if (Index >= 2)
        for (int tab = 0; tab < 4; ++tab) paintTab(tab, tab == Index ? kSelectedCell : kRestingCell);
}

}  // namespace fluvane::mainwindow

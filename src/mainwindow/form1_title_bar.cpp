#include "mainwindow/form1.h"

#include "mainwindow/title_bar.h"

namespace fluvane::mainwindow {

namespace {

bool isWindowButton(int index) { return index >= 0 && index < static_cast<int>(kWindowButtons.size()); }

}  // namespace

void Form1::connectTitleBar() {
    for (const auto& entry : Button1) {
        const int index = entry.first;
        platform::ControlEvents& events = entry.second->events;
        events.mouseMove = [this, index](const platform::MouseEvent& e) { Button1_MouseMove(index, e); };
        events.mouseDown = [this, index](const platform::MouseEvent& e) { Button1_MouseDown(index, e); };
        events.click = [this, index] { Button1_Click(index); };
    }
    for (int index = 0; index < static_cast<int>(Button2.size()); ++index) {
        platform::ControlEvents& events = Button2[static_cast<std::size_t>(index)]->events;
        events.mouseMove = [this, index](const platform::MouseEvent& e) { Button2_MouseMove(index, e); };
        events.click = [this, index] { Button2_Click(index); };
    }
}

// The maximise button names what a click will do, so its tooltip follows
// the window state.
void Form1::Button1_MouseMove(int Index, const platform::MouseEvent&) {
    if (isWindowButton(Index)) {
        if (Index == 1)
            Button1[1]->setToolTip(form_->windowState() == platform::WindowState::Normal ? "最大化" : "还原");
        paintWindowButtons(Index);
    }
    resetPointer();
}

void Form1::Button1_MouseDown(int Index, const platform::MouseEvent&) {
    if (isWindowButton(Index)) paintWindowButton(Index, kPressedCell);
}

// A window hidden where there is no notification area could not be brought
// back: there the close button quits even when set only to hide, and the
// minimise button minimises.
void Form1::Button1_Click(int Index) {
    switch (Index) {
        case 0:
            if (settings_.form && tray.CanHideToTray())
                form_->hide();
            else
                ExitSequence();
            break;
        case 1: toggleMaximised(); break;
        case 2:
            if (settings_.renwulan)
                form_->setWindowState(platform::WindowState::Minimized);
            else
                tray.HideToTray();
            break;
        case 3: windows_.ShowMainMenu(platform_.ui.cursorPosition()); break;
        case 4: windows_.ShowFeedback(); break;
        default: break;  // the logo area only keeps the surface below from starting a drag
    }
}

// A tab already selected does not light up; hovering it returns its
// neighbours to rest instead.
void Form1::Button2_MouseMove(int Index, const platform::MouseEvent&) {
    const bool libraryView = Picture1->visible();
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
        case 3: paintTab(Index, kSelectedCell); break;
        default: break;
    }
    resetPointer();
}

// The application pages show in W2 over the library page, so the view they
// belong to is the library view.
void Form1::Button2_Click(int Index) {
    switch (Index) {
        case 0: SwitchView(View::Player); break;
        case 1: SwitchView(View::Library); break;
        case 2:
        case 3:
            Picture1->setVisible(true);
            W2->setVisible(true);
            W2->bringToFront();
            W2->navigate(values_.dizhi + (Index == 2 ? "/tcab/tj/" : "/tcab/tv/"));
            for (int tab = 0; tab < 4; ++tab) paintTab(tab, tab == Index ? kSelectedCell : kRestingCell);
            break;
        default: break;
    }
}

}  // namespace fluvane::mainwindow

#include "mainwindow/form1.h"

#include "startup/process_utils.h"

namespace fluvane::mainwindow {

void Form1::appplay() { titleBar_.Button2_Click(0); }

void Form1::appopen() { titleBar_.Button2_Click(1); }

// A window hidden where there is no notification area could not be brought
// back: there the close button quits even when set only to hide, and the
// minimise button minimises.
TitleBar::Actions Form1::titleBarActions() {
    return {
        .close =
            [this] {
                if (settings_.form && tray.canHideToTray())
                    form_->hide();
                else
                    exitSequence();
            },
        .toggleMaximised = [this] { toggleMaximised(); },
        .minimise =
            [this] {
                if (settings_.renwulan)
                    form_->setWindowState(platform::WindowState::Minimized);
                else
                    tray.hideToTray();
            },
        .showMenu = [this] { windows_.showMainMenu(platform_.ui.cursorPosition()); },
        .showFeedback = [this] { windows_.showFeedback(); },
        .showTab = [this](int Index) { showTab(Index); },
        .libraryView = [this] { return Picture1->visible(); },
        .resetPointer = [this] { resetPointer(); },
    };
}

// The application pages show in W2 over the library page, so the view they
// belong to is the library view.
void Form1::showTab(int Index) {
    switch (Index) {
        case 0:
            switchView(View::Player);
            break;
        case 1:
            switchView(View::Library);
            break;
        default:
            Picture1->setVisible(true);
            W2->setVisible(true);
            W2->bringToFront();
            W2->navigate(values_.dizhi + (Index == 2 ? "/tcab/tj/" : "/tcab/tv/"));
            break;
    }
}

// The library pane lies over the player pane: hiding it shows the player.
// Back in the library with nothing playing, the external players go too.
void Form1::switchView(View view) {
    if (view == View::Player) {
        Picture1->setVisible(false);
    } else {
        Picture1->setVisible(true);
        W2->setVisible(false);
        if (!W3->visible()) startup::KillExternalPlayers(platform_.processes);
    }
    titleBar_.paintTabs();
}

}  // namespace fluvane::mainwindow

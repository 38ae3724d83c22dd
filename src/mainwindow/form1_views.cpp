#include "mainwindow/form1.h"

#include "startup/process_utils.h"

namespace fluvane::mainwindow {

void Form1::appplay() { Button2_Click(0); }

void Form1::appopen() { Button2_Click(1); }

// The library pane lies over the player pane: hiding it shows the player.
// Back in the library with nothing playing, the external players go too.
void Form1::SwitchView(View view) {
    if (view == View::Player) {
        Picture1->setVisible(false);
    } else {
        Picture1->setVisible(true);
        W2->setVisible(false);
        if (!W3->visible()) startup::KillExternalPlayers(platform_.processes);
    }
    paintTabs();
}

}  // namespace fluvane::mainwindow

#include "mainwindow/form1.h"

#include "startup/process_utils.h"

namespace fluvane::mainwindow {

void Form1::ExitSequence() {
    SavePlayList(playlistFile());
    tray.RemoveTrayIcon();
    if (tuichu == "1") {
        windows_.ShowExitAd();
        form_->close();
        windows_.ClosePopupAd();
        return;
    }
    startup::KillAllPlayers(platform_.processes);
}

}  // namespace fluvane::mainwindow

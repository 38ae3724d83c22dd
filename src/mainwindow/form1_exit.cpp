#include "mainwindow/form1.h"

#include "startup/process_utils.h"

namespace fluvane::mainwindow {

void Form1::exitSequence() {
    playlist_.save();
    tray.RemoveTrayIcon();
    if (values_.tuichu) {
        windows_.showExitAd();
        form_->close();
        windows_.closePopupAd();
        return;
    }
    // The client's own image name ends its other copies; this one ends in
    // order, so that a renamed executable ends too.
    startup::KillAllPlayers(platform_.processes);
    platform_.application.endProcess(0);
}

}  // namespace fluvane::mainwindow

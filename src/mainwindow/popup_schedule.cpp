#include "mainwindow/popup_schedule.h"

namespace fluvane::mainwindow {

namespace {

constexpr int kTickMs = 1000;

}  // namespace

PopupSchedule::PopupSchedule(platform::Ui& ui, platform::Form& window, SecondaryWindows& windows,
                             const ServerValues& values)
    : windows_(windows), values_(values), T6(ui.createTimer(window)) {
    T6->setInterval(kTickMs);
    T6->tick = [this] { T6_Timer(); };
}

void PopupSchedule::start() {
    if (values_.ad) T6->setEnabled(true);
}

void PopupSchedule::stop() { T6->setEnabled(false); }

// Without a usable time the pop-up it times never comes.
void PopupSchedule::T6_Timer() {
    ++popupCounter_;
    if (!popupShown_) {
        if (values_.L1 && popupCounter_ % *values_.L1 == 0) {
            windows_.showPopupAd(values_.dizhi + "/tcab/zelad/tan/?id=2");
            popupShown_ = true;
            popupCounter_ = 0;
        }
    } else if (values_.l2 && popupCounter_ % *values_.l2 == 0) {
        windows_.showPopupAd(values_.dizhi + "/tcab/zelad/tan/?id=1");
        popupCounter_ = 0;
    }
}

}  // namespace fluvane::mainwindow

#include "mainwindow/buffering_countdown.h"

#include <string>

namespace fluvane::mainwindow {

namespace {

// Ticks are a little longer than a second; the portal's times assume it.
constexpr int kCountdownTickMs = 1160;

}  // namespace

BufferingCountdown::BufferingCountdown(platform::Ui& ui, platform::Form& window, platform::Surface& overlay,
                                       platform::Label& number, const ServerValues& values)
    : vip(overlay), tip(number), values_(values), Timer8(ui.createTimer(window)) {
    Timer8->setInterval(kCountdownTickMs);
    Timer8->tick = [this] { Timer8_Timer(); };
}

bool BufferingCountdown::start() {
    if (!values_.huangchong || !values_.da) return false;
    bufferingCountdown_ = *values_.da;
    Timer8->setEnabled(true);
    vip.setVisible(true);
    return true;
}

// The label shows the seconds within the minute: 74 left reads " 14 秒".
void BufferingCountdown::Timer8_Timer() {
    --bufferingCountdown_;
    tip.setCaption(" " + std::to_string(bufferingCountdown_ % 60) + " 秒");
    if (bufferingCountdown_ <= 0) {
        vip.setVisible(false);
        Timer8->setEnabled(false);
    }
}

}  // namespace fluvane::mainwindow

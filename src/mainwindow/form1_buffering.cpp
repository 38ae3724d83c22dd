#include "mainwindow/form1.h"

#include <string>

namespace fluvane::mainwindow {

namespace {

// Ticks are a little longer than a second; the portal's times assume it.
constexpr int kCountdownTickMs = 1160;

}  // namespace

// 广告倒计时: the buffering countdown over the player, and the list advertisement.
void Form1::广告倒计时() {
    if (!startBuffering()) return;
    ShowListAd();
}

// False when the switch is off, or the time is no usable number of seconds:
// such a countdown would never reach 0 and would leave the overlay up.
bool Form1::startBuffering() {
    if (!values_.huangchong || !values_.da) return false;
    bufferingCountdown_ = *values_.da;
    Timer8->setInterval(kCountdownTickMs);
    Timer8->setEnabled(true);
    vip->setVisible(true);
    return true;
}

// The label shows the seconds within the minute: 74 left reads " 14 秒".
void Form1::Timer8_Timer() {
    --bufferingCountdown_;
    tip->setCaption(" " + std::to_string(bufferingCountdown_ % 60) + " 秒");
    if (bufferingCountdown_ <= 0) {
        vip->setVisible(false);
        Timer8->setEnabled(false);
    }
}

}  // namespace fluvane::mainwindow

#include "mainwindow/form1.h"

namespace fluvane::mainwindow {

// 广告倒计时: the buffering countdown over the player, and with it the list advertisement.
void Form1::广告倒计时() {
    if (buffering_.start()) listAd_.ShowListAd();
}

void Form1::listcose() { listAd_.listcose(); }

}  // namespace fluvane::mainwindow

#include "mainwindow/form1.h"

namespace fluvane::mainwindow {

void Form1::connectPlaylist() {
    SFPlayList1->MouseDown = [this](int) { SFPlayList1_MouseDown(); };
    SFPlayList1->MouseUp = [this](int) { resetPointer(); };
    SFPlayList1->MouseMove = [this](int&, int&, float&, float&) { resetPointer(); };
}

bool Form1::SavePlayList(const std::filesystem::path& path) { return playlist_.SavePlayList(path); }

// The control has selected the entry under the pointer. Unlike a play from a
// page, no list advertisement shows.
void Form1::SFPlayList1_MouseDown() {
    play(SFPlayList1->ItemURL(SFPlayList1->SelNodeIndex(), SFPlayList1->SelItemIndex()), false);
    resetPointer();
}

}  // namespace fluvane::mainwindow

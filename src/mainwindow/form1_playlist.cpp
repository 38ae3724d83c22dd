#include "mainwindow/form1.h"

#include "mainwindow/playlist_file.h"

namespace fluvane::mainwindow {

namespace {

// Long enough to gather a burst of changes into one write.
constexpr int kSaveDelayMs = 1000;

}  // namespace

void Form1::connectPlaylist() {
    SFPlayList1->MouseDown = [this](int) { SFPlayList1_MouseDown(); };
    SFPlayList1->MouseUp = [this](int) { resetPointer(); };
    SFPlayList1->MouseMove = [this](int&, int&, float&, float&) { resetPointer(); };
    // The control deletes a group itself, on a release in its delete band,
    // and reports nothing: watch the releases it handles.
    auto release = std::move(SFPlayList1Window->events.mouseUp);
    SFPlayList1Window->events.mouseUp = [this, release = std::move(release)](const platform::MouseEvent& e) {
        const int groups = SFPlayList1->NodesCount();
        if (release) release(e);
        if (SFPlayList1->NodesCount() != groups) playlistChanged();
    };
    playlistSave_ = platform_.ui.createTimer(*form_);
    playlistSave_->setInterval(kSaveDelayMs);
    playlistSave_->tick = [this] {
        playlistSave_->setEnabled(false);
        SavePlayList(playlistFile());
    };
    // The save still waiting goes now: the window's timers die with it.
    form_->formEvents.unload = [this] {
        if (playlistSave_->enabled()) playlistSave_->tick();
    };
}

std::filesystem::path Form1::playlistFile() const {
    return platform_.application.dataDirectory() / "zelskin" / "zelplaylist.xml";
}

bool Form1::SavePlayList(const std::filesystem::path& path) {
    return mainwindow::SavePlayList(platform_.files, *SFPlayList1, path);
}

// A process that ends without quitting keeps the playlist as of a second
// after its last change.
void Form1::playlistChanged() {
    playlistSave_->setEnabled(false);
    playlistSave_->setEnabled(true);
}

// The control has selected the entry under the pointer. Unlike a play from a
// page, no list advertisement shows.
void Form1::SFPlayList1_MouseDown() {
    play(SFPlayList1->ItemURL(SFPlayList1->SelNodeIndex(), SFPlayList1->SelItemIndex()), false);
    resetPointer();
}

}  // namespace fluvane::mainwindow

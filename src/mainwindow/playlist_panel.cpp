#include "mainwindow/playlist_panel.h"

#include "mainwindow/playlist_file.h"

namespace fluvane::mainwindow {

namespace {

// Long enough to gather a burst of changes into one write.
constexpr int kSaveDelayMs = 1000;

}  // namespace

PlaylistPanel::PlaylistPanel(controls::SFPlayList& list, platform::Ui& ui, platform::Form& window,
                             platform::Files& files, std::filesystem::path file)
    : SFPlayList1(list), files_(files), file_(std::move(file)), save_(ui.createTimer(window)) {
    save_->setInterval(kSaveDelayMs);
    save_->tick = [this] {
        save_->setEnabled(false);
        save();
    };
    SFPlayList1.changed = [this] { changed(); };
    // The save still waiting goes now: the window's timers die with it.
    window.formEvents.unload = [this] {
        if (save_->enabled()) save_->tick();
    };
}

void PlaylistPanel::load() {
    loading_ = true;
    LoadPlayList(SFPlayList1, file_);
    loading_ = false;
}

bool PlaylistPanel::SavePlayList(const std::filesystem::path& path) {
    return mainwindow::SavePlayList(files_, SFPlayList1, path);
}

void PlaylistPanel::save() { SavePlayList(file_); }

// A process that ends without quitting keeps the playlist as of a second
// after its last change.
void PlaylistPanel::changed() {
    if (loading_) return;
    save_->setEnabled(false);
    save_->setEnabled(true);
}

}  // namespace fluvane::mainwindow

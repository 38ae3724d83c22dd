#pragma once

#include "controls/sf_play_list.h"
#include "platform/platform.h"

#include <filesystem>
#include <memory>

namespace fluvane::mainwindow {

// The playlist of the main window's panel and its file: whatever changes the
// list, a call or the control's own group deletion, is saved a second later.
class PlaylistPanel {
public:
    // `SFPlayList1` lives in `window`, whose timers die with it; `file` is
    // zelskin/zelplaylist.xml.
    PlaylistPanel(controls::SFPlayList& SFPlayList1, platform::Ui& ui, platform::Form& window, platform::Files& files,
                  std::filesystem::path file);
    PlaylistPanel(const PlaylistPanel&) = delete;
    PlaylistPanel& operator=(const PlaylistPanel&) = delete;

    // The file's groups, appended; loading saves nothing.
    void load();
    // Writes the whole playlist to `path`; false when it could not, and the
    // file is then as it was.
    bool SavePlayList(const std::filesystem::path& path);
    // To the playlist's own file, now.
    void save();

private:
    void changed();  // saves about a second later

    controls::SFPlayList& SFPlayList1;  // the grouped playlist
    platform::Files& files_;
    std::filesystem::path file_;
    std::unique_ptr<platform::Timer> save_;  // the save a second after a change
    bool loading_ = false;
};

}  // namespace fluvane::mainwindow

#pragma once

#include "controls/sf_play_list.h"
#include "platform/services.h"

#include <filesystem>

namespace fluvane::mainwindow {

// The playlist between runs, `zelskin\zelplaylist.xml`: one line of UTF-8 XML,
// "playlist" holding one "ul" per group, each a "Class" with the group's
// "Name" and then one "li" per entry with "Name" and "URL".

// Appends the file's groups to `list`. A missing or unreadable file adds
// nothing; from a damaged or foreign file it takes every group that has a
// name and every entry that has both a name and a URL, each entry into the
// group read just before it, and skips the rest; the caps of playlist_caps.h
// hold as for groups a page adds. Texts come out as valid UTF-8 without the
// control characters XML cannot carry.
void LoadPlayList(controls::SFPlayList& list, const std::filesystem::path& path);

// Replaces `path` with the whole list in one step. False when it could not:
// `path` is then as it was. Cheap enough to call a second after every change.
bool SavePlayList(platform::Files& files, const controls::SFPlayList& list, const std::filesystem::path& path);

}  // namespace fluvane::mainwindow

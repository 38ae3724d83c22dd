#pragma once

#include "controls/sf_play_list.h"
#include "mainwindow/page_commands.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace fluvane::mainwindow {

// What the playlist keeps. Its file is written whole after every change and
// read whole at every start, and pages choose how much goes in: without
// caps a page that plays and changes its title in a loop grows it without end.
inline constexpr int kMostGroups = 100;
inline constexpr int kMostEntriesPerGroup = 1000;
inline constexpr int kMostEntries = 5000;
inline constexpr std::size_t kLongestName = 256;  // bytes; longer names are cut between characters
inline constexpr std::size_t kLongestUrl =
    1024;  // bytes; a longer URL is left out, since a cut one plays something else

// The name as the playlist keeps it: the same name always gives the same
// group name, so that a page's group is found again by its title.
std::string keptName(std::string_view name);

// Adds the group at the end within the caps: the first kMostEntriesPerGroup
// entries whose URL is kept, every name cut to kLongestName, the oldest
// groups dropped until the new one fits.
void addCappedGroup(controls::SFPlayList& list, std::string_view name, const std::vector<Episode>& entries);

}  // namespace fluvane::mainwindow

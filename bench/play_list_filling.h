#pragma once

#include "controls/sf_play_list.h"
#include "platform/controls.h"

#include <stdexcept>
#include <string>

namespace fluvane::bench {

inline constexpr int kPlayListGroups = 100;

// Fills `list`, which lives in `surface`, with `entries` entries in 100 groups
// of unequal size, the largest open in the middle of the list, and scrolls the
// view into it.
inline void fillPlayList(controls::SFPlayList& list, platform::Surface& surface, int entries) {
    // Group g holds a share proportional to 1 + g % 10; the largest share
    // goes to the group added last, which is the open one.
    int weights[kPlayListGroups];
    int totalWeight = 0;
    for (int g = 0; g < kPlayListGroups; ++g) totalWeight += weights[g] = 1 + g % 10;
    int placed = 0;
    const int middle = kPlayListGroups / 2;
    for (int g = 0; g < kPlayListGroups; ++g) {
        const bool last = g == kPlayListGroups - 1;
        const int count = last ? entries - placed : entries * weights[g] / totalWeight;
        placed += count;
        const int index = last ? middle : list.NodesCount();
        list.AddNode("星河渡口 第" + std::to_string(g) + "季", last ? index : -1);
        for (int i = 0; i < count; ++i) {
            list.AddItem(index, "第" + std::to_string(i) + "集 渡口来信", "http://127.0.0.1/v/" + std::to_string(i));
        }
    }
    for (int g = 0; g < kPlayListGroups; ++g) {
        if (list.ItemsCount(g) > list.ItemsCount(middle)) throw std::logic_error("the open group is not the largest");
    }
    // Into the open group: past the groups above it and a few of its rows.
    for (int step = 0; step < middle + 10; ++step) surface.events.mouseWheel(-120, {});
}

}  // namespace fluvane::bench

#include "mainwindow/playlist_caps.h"

#include "platform/shared/utf8.h"

namespace fluvane::mainwindow {

namespace {

int entriesOf(const controls::SFPlayList& list) {
    int entries = 0;
    for (int group = 0; group < list.NodesCount(); ++group) entries += list.ItemsCount(group);
    return entries;
}

}  // namespace

std::string keptName(std::string_view name) { return std::string(platform::shared::utf8::prefix(name, kLongestName)); }

void addCappedGroup(controls::SFPlayList& list, std::string_view name, const std::vector<Episode>& entries) {
    std::vector<const Episode*> kept;
    for (const Episode& entry : entries) {
        if (kept.size() == static_cast<std::size_t>(kMostEntriesPerGroup)) break;
        if (entry.url.size() <= kLongestUrl) kept.push_back(&entry);
    }
    const int adding = static_cast<int>(kept.size());
    for (int total = entriesOf(list);
         list.NodesCount() > 0 && (list.NodesCount() >= kMostGroups || total + adding > kMostEntries);) {
        total -= list.ItemsCount(0);
        list.RemoveNode(0);
    }
    list.AddNode(keptName(name));
    const int group = list.NodesCount() - 1;
    for (const Episode* entry : kept) list.AddItem(group, keptName(entry->name), entry->url);
}

}  // namespace fluvane::mainwindow

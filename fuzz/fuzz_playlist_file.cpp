// The playlist file loader on any bytes. The loaded list is held against a
// plain reading of the same document: the groups are the "ul" elements whose
// "Class" has a "Name", their entries are that element's "li" children with
// both attributes, within the playlist's caps, so an entry that lands in
// another group breaks the run. What loads must also save and load back
// unchanged.
#include "controls/sf_play_list.h"
#include "fuzz_check.h"
#include "mainwindow/playlist_caps.h"
#include "mainwindow/playlist_file.h"
#include "platform/shared/utf8.h"
#include "platform/sim/sim_form.h"
#include "platform/sim/sim_services.h"
#include "platform/sim/sim_ui.h"

#include <pugixml.hpp>

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using fluvane::controls::SFPlayList;
using fluvane::fuzz::check;

// Files on tmpfs where there is one: a save flushes to disk every run.
class Scratch {
public:
    Scratch() {
        const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string pattern = (base / "fuzz_playlist_file.XXXXXX").string();
        check(::mkdtemp(pattern.data()) != nullptr, "a scratch folder");
        folder = pattern;
    }
    ~Scratch() {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
    fs::path folder;
};

struct Entry {
    std::string name;
    std::string url;
};
struct Group {
    std::string name;
    std::vector<Entry> entries;
};

// A sim form with a surface, the platform declared before the list it outlives.
class ListHost {
public:
    ListHost() : form_(ui_.createForm()), surface_(form_->addSurface()) {
        form_->setGeometry({0, 0, 400, 400});
        surface_.setGeometry({0, 0, 200, 300});
    }
    SFPlayList& list() { return list_; }

private:
    fluvane::platform::sim::SimClock clock_;
    fluvane::platform::sim::SimUi ui_{clock_};
    std::unique_ptr<fluvane::platform::Form> form_;
    fluvane::platform::Surface& surface_;
    SFPlayList list_{surface_, ui_, fluvane::platform::Font{}};
};

std::vector<Group> groupsOf(const SFPlayList& list) {
    std::vector<Group> groups;
    for (int g = 0; g < list.NodesCount(); ++g) {
        groups.push_back({list.NodeText(g), {}});
        for (int i = 0; i < list.ItemsCount(g); ++i)
            groups.back().entries.push_back({list.ItemName(g, i), list.ItemURL(g, i)});
    }
    return groups;
}

// Text that the loader has no reason to change.
bool clean(const std::string& text) {
    return fluvane::fuzz::validUtf8(text) &&
           std::ranges::none_of(text,
                                [](unsigned char c) { return c < 0x20 && c != '\t' && c != '\n' && c != '\r'; }) &&
           text.find("\xEF\xBF\xBE") == std::string::npos && text.find("\xEF\xBF\xBF") == std::string::npos;
}

void checkText(const std::string& loaded, const std::string& raw, const char* what) {
    check(clean(loaded), what);
    if (clean(raw)) check(loaded == raw, what);
}

// The bytes a text keeps once made fit for XML: a broken byte becomes U+FFFD,
// as do U+FFFE and U+FFFF; control characters but tab and line ends go.
std::size_t fitSize(const std::string& text) {
    std::size_t size = 0;
    for (std::size_t at = 0; at < text.size();) {
        char32_t code = 0;
        const std::size_t length = fluvane::platform::shared::utf8::sequenceAt(text, at, code);
        if (length == 0 || code == 0xFFFE || code == 0xFFFF)
            size += 3;
        else if (code >= 0x20 || code == '\t' || code == '\n' || code == '\r')
            size += length;
        at += std::max<std::size_t>(length, 1);
    }
    return size;
}

// The document's groups as the caps leave them.
std::vector<Group> cappedGroupsOf(const pugi::xml_document& document) {
    using namespace fluvane::mainwindow;
    std::vector<Group> groups;
    std::size_t total = 0;
    for (const pugi::xml_node ul : document.child("playlist").children("ul")) {
        const pugi::xml_attribute name = ul.child("Class").attribute("Name");
        if (!name) continue;
        Group group{name.value(), {}};
        for (const pugi::xml_node li : ul.children("li")) {
            if (group.entries.size() == static_cast<std::size_t>(kMostEntriesPerGroup)) break;
            if (li.attribute("Name") && li.attribute("URL") && fitSize(li.attribute("URL").value()) <= kLongestUrl)
                group.entries.push_back({li.attribute("Name").value(), li.attribute("URL").value()});
        }
        while (!groups.empty() && (groups.size() >= static_cast<std::size_t>(kMostGroups) ||
                                   total + group.entries.size() > static_cast<std::size_t>(kMostEntries))) {
            total -= groups.front().entries.size();
            groups.erase(groups.begin());
        }
        total += group.entries.size();
        groups.push_back(std::move(group));
    }
    return groups;
}

void checkName(const std::string& loaded, const std::string& raw, const char* what) {
    check(loaded.size() <= fluvane::mainwindow::kLongestName, what);
    checkText(loaded, fluvane::mainwindow::keptName(raw), what);
}

void checkAgainstDocument(const std::vector<Group>& loaded, const std::uint8_t* data, std::size_t size) {
    pugi::xml_document document;
    if (document.load_buffer(data, size).status == pugi::status_bad_attribute) {
        pugi::xml_node last = document;
        while (last.last_child()) last = last.last_child();
        last.remove_attribute(last.last_attribute());
    }
    const std::vector<Group> expected = cappedGroupsOf(document);
    check(loaded.size() == expected.size(), "every named group within the caps loads, and no other");
    for (std::size_t g = 0; g < expected.size(); ++g) {
        checkName(loaded[g].name, expected[g].name, "a group keeps its name");
        check(loaded[g].entries.size() == expected[g].entries.size(), "a group holds its own entries, and no other");
        for (std::size_t e = 0; e < expected[g].entries.size(); ++e) {
            checkName(loaded[g].entries[e].name, expected[g].entries[e].name, "an entry keeps its name");
            checkText(loaded[g].entries[e].url, expected[g].entries[e].url, "an entry keeps its URL");
        }
    }
}

bool same(const std::vector<Group>& a, const std::vector<Group>& b) {
    return std::ranges::equal(a, b, [](const Group& x, const Group& y) {
        return x.name == y.name && std::ranges::equal(x.entries, y.entries, [](const Entry& p, const Entry& q) {
                   return p.name == q.name && p.url == q.url;
               });
    });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Scratch scratch;
    const fs::path file = scratch.folder / "zelplaylist.xml";
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    ListHost host;
    static fluvane::platform::sim::SimFiles files;
    fluvane::mainwindow::LoadPlayList(host.list(), file);
    const std::vector<Group> loaded = groupsOf(host.list());
    checkAgainstDocument(loaded, data, size);

    check(fluvane::mainwindow::SavePlayList(files, host.list(), file), "the loaded list saves");
    ListHost again;
    fluvane::mainwindow::LoadPlayList(again.list(), file);
    check(same(groupsOf(again.list()), loaded), "what loads saves and loads back unchanged");
    return 0;
}

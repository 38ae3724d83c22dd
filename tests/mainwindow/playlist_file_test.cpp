#include "mainwindow/playlist_file.h"
#include "mainwindow/playlist_caps.h"

#include "platform/posix/posix_files.h"

#include "controls/sim_window.h"
#include "support/temp_application_directory.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace fluvane::mainwindow {
namespace {

namespace fs = std::filesystem;
using testsupport::readBytes;
using testsupport::writeBytes;

struct Entry {
    std::string name;
    std::string url;
    friend bool operator==(const Entry&, const Entry&) = default;
};
struct Group {
    std::string name;
    std::vector<Entry> entries;
    friend bool operator==(const Group&, const Group&) = default;
};
using Groups = std::vector<Group>;

void PrintTo(const Group& group, std::ostream* out) {
    *out << "\n  [" << group.name << "]";
    for (const Entry& entry : group.entries) *out << " {" << entry.name << " | " << entry.url << "}";
}

class PlayListFileTest : public ::testing::Test {
protected:
    fs::path file() const { return dir.app() / "zelskin" / "zelplaylist.xml"; }

    void fill(controls::SFPlayList& list, const Groups& groups) {
        for (const Group& group : groups) {
            list.AddNode(group.name);
            for (const Entry& entry : group.entries) list.AddItem(list.NodesCount() - 1, entry.name, entry.url);
        }
    }
    static Groups groupsOf(const controls::SFPlayList& list) {
        Groups groups;
        for (int g = 0; g < list.NodesCount(); ++g) {
            groups.push_back({list.NodeText(g), {}});
            for (int i = 0; i < list.ItemsCount(g); ++i)
                groups.back().entries.push_back({list.ItemName(g, i), list.ItemURL(g, i)});
        }
        return groups;
    }
    Groups load(const fs::path& path) {
        controls::testing::SimWindow window{{0, 0, 200, 300}};
        controls::SFPlayList list{window.surface, window.ui, platform::Font{}};
        LoadPlayList(list, path);
        return groupsOf(list);
    }
    bool save(const Groups& groups, const fs::path& path) {
        fill(list, groups);
        return SavePlayList(files, list, path);
    }
    std::vector<std::string> folderEntries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(file().parent_path())) names.push_back(entry.path().filename());
        return names;
    }

    testsupport::TempApplicationDirectory dir;
    platform::posix::PosixFiles files;
    controls::testing::SimWindow window{{0, 0, 200, 300}};
    controls::SFPlayList list{window.surface, window.ui, platform::Font{}};
};

const Groups kMovies = {
    {"电影", {{"第1集", "http://portal.test/tcab/1.html"}, {"a\"b&c<d>e", "http://portal.test/?a=1&b=\"2\""}}},
    {"空", {}}};

TEST_F(PlayListFileTest, SavesOneLineAsThePlatformsXmlObjectWritesIt) {
    ASSERT_TRUE(save(kMovies, file()));
    EXPECT_EQ(readBytes(file()),
              "<playlist><ul><Class Name=\"电影\"/>"
              "<li Name=\"第1集\" URL=\"http://portal.test/tcab/1.html\"/>"
              "<li Name=\"a&quot;b&amp;c&lt;d>e\" URL=\"http://portal.test/?a=1&amp;b=&quot;2&quot;\"/>"
              "</ul><ul><Class Name=\"空\"/></ul></playlist>");
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"zelplaylist.xml"});
}

TEST_F(PlayListFileTest, ListsSurviveASaveAndALoadUnchanged) {
    const std::vector<Groups> cases = {
        {},
        {{"空", {}}},
        kMovies,
        {{"tab\tand\nlines\r", {{"<<&&\"\">>", "'single' & \"double\""}}}, {"電視劇 第二季", {{"", ""}}}},
    };
    for (const Groups& groups : cases) {
        list.ClearNodes();
        ASSERT_TRUE(save(groups, file()));
        EXPECT_EQ(load(file()), groups);
    }
    EXPECT_EQ(readBytes(file()).find('\n'), std::string::npos) << "the file is one line";
    list.ClearNodes();
    ASSERT_TRUE(save({}, file()));
    EXPECT_EQ(readBytes(file()), "<playlist/>");
}

// xmllint stands in for the platform's XML object: both refuse a document
// that is not well-formed XML 1.0.
TEST_F(PlayListFileTest, ASavedFileIsWellFormedXml) {
    ASSERT_TRUE(save({{"电影 \x01\xFF", {{"a\"b&c<d>e\x1F", "http://portal.test/?a=1&b=2\xC3"}}}, {"空", {}}}, file()));
    const std::string command = "xmllint --noout '" + file().string() + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
}

TEST_F(PlayListFileTest, TheLastGroupOfTheFileIsTheOpenOne) {
    ASSERT_TRUE(
        save({{"a", {{"1", "u1"}}}, {"b", {{"1", "u1"}, {"2", "u2"}, {"3", "u3"}}}, {"c", {{"1", "u1"}, {"2", "u2"}}}},
             file()));
    controls::SFPlayList loaded{window.surface, window.ui, platform::Font{}};
    LoadPlayList(loaded, file());
    EXPECT_EQ(loaded.ExpandedItemsHeight(), 2 * controls::SFPlayList::kRowHeight);
}

TEST_F(PlayListFileTest, ForeignAndDamagedFilesLoadWhatIsSoundIntoTheRightGroups) {
    const std::string tail = "<ul><Class Name=\"g\"/><li Name=\"a\" URL=\"u\"/></ul></playlist>";
    const Groups justG = {{"g", {{"a", "u"}}}};
    const struct {
        const char* what;
        std::string bytes;
        Groups expected;
    } cases[] = {
        {"not XML", "\x89PNG\r\n\x1a\n", {}},
        {"another document element", "<list><ul><Class Name=\"g\"/></ul></list>", {}},
        {"a ul without Class", "<playlist><ul><li Name=\"x\" URL=\"y\"/></ul>" + tail, justG},
        {"a Class without Name", "<playlist><ul><Class/><li Name=\"x\" URL=\"y\"/></ul>" + tail, justG},
        {"entries missing an attribute",
         "<playlist><ul><Class Name=\"g\"/><li Name=\"x\"/><li URL=\"y\"/><li Name=\"a\" URL=\"u\"/></ul></playlist>",
         justG},
        {"children other than ul", "<playlist><group><Class Name=\"x\"/></group>" + tail, justG},
        {"text and comments between elements", "<playlist>\n  text <!-- a comment --><?pi?>\n  " + tail + "\n", justG},
        {"Class after the entries", "<playlist><ul><li Name=\"a\" URL=\"u\"/><Class Name=\"g\"/></ul></playlist>",
         justG},
        {"a group whose Class comes after a nameless group",
         "<playlist><ul/><ul><Class Name=\"g\"/><li Name=\"a\" URL=\"u\"/></ul></playlist>", justG},
        {"cut inside an entry's value",
         "<playlist><ul><Class Name=\"g\"/><li Name=\"a\" URL=\"u\"/><li Name=\"b\" URL=\"http://x/a", justG},
        {"cut after an entry's values", "<playlist><ul><Class Name=\"g\"/><li Name=\"a\" URL=\"u\"", justG},
        {"cut inside a group's name",
         "<playlist><ul><Class Name=\"g\"/><li Name=\"a\" URL=\"u\"/></ul><ul><Class Name=\"h", justG},
        {"bytes that are not UTF-8 and characters XML cannot carry",
         "<playlist><ul><Class Name=\"g\xFF&#1;\"/><li Name=\"a\xC3\" URL=\"u&#xFFFF;\"/></ul></playlist>",
         {{"g\uFFFD", {{"a\uFFFD", "u\uFFFD"}}}}},
    };
    for (const auto& c : cases) {
        writeBytes(file(), c.bytes);
        EXPECT_EQ(load(file()), c.expected) << c.what;
    }
    EXPECT_EQ(load(dir.app() / "zelskin" / "missing.xml"), Groups{}) << "a missing file";
    EXPECT_EQ(load(dir.app() / "zelskin"), Groups{}) << "a folder";
}

// A file of an earlier version, grown without caps and cut short by a crash:
// the newest groups load, within the caps, each with its whole entries.
TEST_F(PlayListFileTest, AFiftyMegabyteFileCutShortLoadsItsNewestGroupsWithinTheCaps) {
    const std::string entry =
        "<li Name=\"第几集 episode\" URL=\"http://portal.test/tcab/play/0123456789abcdef.html\"/>";
    const int perGroup = kMostEntriesPerGroup;
    std::string bytes = "<playlist>";
    int groups = 0;
    while (bytes.size() < 50'000'000) {
        bytes += "<ul><Class Name=\"group " + std::to_string(groups++) + "\"/>";
        for (int i = 0; i < perGroup; ++i) bytes += entry;
        bytes += "</ul>";
    }
    bytes.resize(bytes.size() - 7 - 20);  // into the last entry's URL
    writeBytes(file(), bytes);

    controls::SFPlayList loaded{window.surface, window.ui, platform::Font{}};
    LoadPlayList(loaded, file());
    const int kept = kMostEntries / perGroup;
    ASSERT_EQ(loaded.NodesCount(), kept);
    EXPECT_EQ(loaded.NodeText(0), "group " + std::to_string(groups - kept));
    EXPECT_EQ(loaded.ItemsCount(kept - 1), perGroup - 1);
    EXPECT_EQ(loaded.ItemURL(0, 0), "http://portal.test/tcab/play/0123456789abcdef.html");
}

TEST_F(PlayListFileTest, ASaveWhereTheFolderIsAFileFails) {
    const fs::path blocker = dir.app() / "zelskin" / "blocker";
    writeBytes(blocker, "a file where the folder belongs");
    EXPECT_FALSE(save(kMovies, blocker / "zelplaylist.xml"));
    EXPECT_EQ(readBytes(blocker), "a file where the folder belongs");
}

// Ways a save can fail; each must leave the previous file and no litter.
struct FailedSave {
    const char* what;
    bool bindsTheSuperuser;
    // Breaks the folder or the disk, runs the save, mends what it broke.
    std::function<bool(const fs::path& folder, const std::function<bool()>& save)> around;
};

void PrintTo(const FailedSave& failure, std::ostream* out) { *out << failure.what; }

class FailedSaveTest : public PlayListFileTest, public ::testing::WithParamInterface<FailedSave> {};

TEST_P(FailedSaveTest, KeepsThePreviousFileAndSaysSo) {
    if (!GetParam().bindsTheSuperuser && ::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    ASSERT_TRUE(save({{"old", {{"1", "u1"}}}}, file()));
    const std::string previous = readBytes(file());
    list.ClearNodes();
    fill(list, {{"new", std::vector<Entry>(50, {"an entry of the new list", "http://portal.test/tcab/new.html"})}});

    EXPECT_FALSE(GetParam().around(file().parent_path(), [&] { return SavePlayList(files, list, file()); }));
    EXPECT_EQ(readBytes(file()), previous);
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"zelplaylist.xml"});
}

INSTANTIATE_TEST_SUITE_P(PlayListFile, FailedSaveTest,
                         ::testing::Values(
                             // A full disk: the file-size limit fails a write the way ENOSPC does,
                             // and binds the superuser too.
                             FailedSave{"DiskFull", true,
                                        [](const fs::path&, const std::function<bool()>& run) {
                                            rlimit before{};
                                            ::getrlimit(RLIMIT_FSIZE, &before);
                                            rlimit small = before;
                                            small.rlim_cur = 512;
                                            const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
                                            ::setrlimit(RLIMIT_FSIZE, &small);
                                            const bool saved = run();
                                            ::setrlimit(RLIMIT_FSIZE, &before);
                                            std::signal(SIGXFSZ, oldHandler);
                                            return saved;
                                        }},
                             FailedSave{"ReadOnlyFolder", false,
                                        [](const fs::path& folder, const std::function<bool()>& run) {
                                            fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
                                            const bool saved = run();
                                            fs::permissions(folder, fs::perms::owner_all);
                                            return saved;
                                        }},
                             FailedSave{"ReadOnlyFile", false,
                                        [](const fs::path& folder, const std::function<bool()>& run) {
                                            fs::permissions(folder / "zelplaylist.xml", fs::perms::owner_read);
                                            const bool saved = run();
                                            fs::permissions(folder / "zelplaylist.xml",
                                                            fs::perms::owner_read | fs::perms::owner_write);
                                            return saved;
                                        }}),
                         [](const auto& info) { return info.param.what; });

}  // namespace
}  // namespace fluvane::mainwindow

#include "form1_fixture.h"

#include "mainwindow/playlist_caps.h"

namespace fluvane::mainwindow {
namespace {

using Calls = std::vector<std::string>;
using platform::sim::as;
using platform::sim::SimBrowser;

constexpr const char* kThreeGroups =
    "<playlist><ul><Class Name=\"甲\"/><li Name=\"1\" URL=\"http://portal.test/a/1.html\"/></ul>"
    "<ul><Class Name=\"乙\"/><li Name=\"1\" URL=\"http://portal.test/b/1.html\"/>"
    "<li Name=\"2\" URL=\"http://portal.test/b/2.html\"/></ul>"
    "<ul><Class Name=\"丙\"/><li Name=\"1\" URL=\"http://portal.test/c/1.html\"/>"
    "<li Name=\"2\" URL=\"http://portal.test/c/2.html\"/><li Name=\"3\" URL=\"http://portal.test/c/3.html\"/></ul>"
    "</playlist>";

class Form1PlaylistTest : public Form1Fixture {
protected:
    std::filesystem::path playlistFile() const { return appDir() / "zelskin" / "zelplaylist.xml"; }
    std::string saved() const { return testsupport::readBytes(playlistFile()); }
    // A press on the first entry row of the open group, the only one open.
    void clickFirstEntryOfOpenGroup(int openGroup) {
        const int y = (openGroup + 1) * controls::SFPlayList::kRowHeight + 5;
        ASSERT_TRUE(sim.ui().press(*controls().SFPlayList1Window, {40, y}));
        ASSERT_TRUE(sim.ui().release(*controls().SFPlayList1Window, {40, y}));
    }
};

// An entry plays at once, after the countdown when it is on, but without the
// list advertisement; the pointer left by the window's edge goes.
TEST_F(Form1PlaylistTest, PressingAnEntryPlaysIt) {
    testsupport::writeBytes(playlistFile(), kThreeGroups);
    for (const bool huangchong : {true, false}) {
        Form1Design& f = load();
        form->listcose();
        Form1Inside::values(*form).huangchong = huangchong;
        f.form().setCursor(platform::Cursor::SizeWE);
        clickFirstEntryOfOpenGroup(2);
        EXPECT_EQ(as<SimBrowser>(*f.W3).navigations(), Calls{"http://portal.test/c/1.html"});
        EXPECT_TRUE(f.W3->visible());
        EXPECT_FALSE(f.bj->visible());
        EXPECT_EQ(f.vip->visible(), huangchong);
        EXPECT_FALSE(f.listad1->UserControl.visible());
        EXPECT_EQ(sim.processes().terminations().back(), "orvelbaidu.exe");
        EXPECT_EQ(window().cursor(), platform::Cursor::Default);
    }
}

// Changes in a burst are written once, a second after the last; a process
// that ends without quitting keeps them.
TEST_F(Form1PlaylistTest, AChangeIsSavedASecondLater) {
    testsupport::writeBytes(playlistFile(), kThreeGroups);
    Form1Design& f = load();
    // A release in the delete band at the right end of the first group's row.
    ASSERT_TRUE(sim.ui().release(*f.SFPlayList1Window, {240, 10}));
    ASSERT_EQ(f.SFPlayList1->NodesCount(), 2);
    sim.advance(600);
    sim.ui().setDocumentForUrl("http://portal.test/tcab/show/9.html",
                               {"丁", {{"flvplay:///tcab/play/9.html", "第1集"}}});
    f.ListWeb->navigate("http://portal.test/tcab/show/9.html");
    as<SimBrowser>(*f.ListWeb).raiseBeforeNavigate("flvplay:///tcab/play/9.html");
    sim.advance(999);
    EXPECT_EQ(saved(), kThreeGroups);
    sim.advance(1);
    EXPECT_EQ(
        saved(),
        "<playlist><ul><Class Name=\"乙\"/><li Name=\"1\" URL=\"http://portal.test/b/1.html\"/>"
        "<li Name=\"2\" URL=\"http://portal.test/b/2.html\"/></ul>"
        "<ul><Class Name=\"丙\"/><li Name=\"1\" URL=\"http://portal.test/c/1.html\"/>"
        "<li Name=\"2\" URL=\"http://portal.test/c/2.html\"/><li Name=\"3\" URL=\"http://portal.test/c/3.html\"/></ul>"
        "<ul><Class Name=\"丁\"/><li Name=\"第1集\" URL=\"http://portal.test/tcab/play/9.html\"/></ul></playlist>");

    ASSERT_TRUE(sim.ui().click(*f.Picture7, {5, 5}));
    sim.advance(1000);
    EXPECT_EQ(saved(), "<playlist/>");
}

// A page that changes its title and plays in a loop, with 2,000 links whose
// texts and URLs run long: the playlist keeps its newest groups within the
// caps, and its file stays small enough to rewrite at every change.
TEST_F(Form1PlaylistTest, APagePlayingInALoopKeepsThePlaylistWithinItsCaps) {
    Form1Design& f = load();
    SimBrowser& library = as<SimBrowser>(*f.ListWeb);
    const std::string longText(3000, 'x');
    const std::string path = "/tcab/play/" + std::string(900, 'p');
    const auto playRounds = [&](const std::string& title, int rounds, int links) {
        platform::Document page{"", {{"flvplay://" + path + longText, "too long a URL"}}};
        for (int i = 0; i < links; ++i) page.links.push_back({"flvplay://" + path + std::to_string(i), longText});
        for (int round = 0; round < rounds; ++round) {
            page.title = title + std::to_string(round) + longText;
            library.setDocument(page);
            library.raiseBeforeNavigate("flvplay://" + path + "0");
            library.raiseBeforeNavigate("flvplay://" + path + "1");  // the same page adds nothing
        }
    };
    const controls::SFPlayList& list = *f.SFPlayList1;
    playRounds("", kMostEntries / kMostEntriesPerGroup + 2, kMostEntriesPerGroup + 100);
    sim.advance(1000);
    ASSERT_EQ(list.NodesCount(), kMostEntries / kMostEntriesPerGroup);
    EXPECT_EQ(list.NodeText(0), keptName("2" + longText));
    EXPECT_EQ(list.NodeText(0).size(), kLongestName);
    EXPECT_EQ(list.ItemsCount(0), kMostEntriesPerGroup);
    EXPECT_EQ(list.ItemURL(0, 0), "http://portal.test" + path + std::to_string(kMostEntriesPerGroup + 99));
    EXPECT_EQ(list.ItemName(0, 0).size(), kLongestName);
    EXPECT_LT(std::filesystem::file_size(playlistFile()), 8'000'000u);

    playRounds("small ", kMostGroups + 5, 1);
    ASSERT_EQ(list.NodesCount(), kMostGroups);
    EXPECT_EQ(list.NodeText(0), keptName("small 5" + longText));
}

}  // namespace
}  // namespace fluvane::mainwindow

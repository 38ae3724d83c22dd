#include "mainwindow/playlist_panel.h"

#include "support/app_fixture.h"

#include <gtest/gtest.h>

namespace fluvane::mainwindow {
namespace {

constexpr const char* kTwoGroups =
    "<playlist><ul><Class Name=\"甲\"/><li Name=\"1\" URL=\"http://portal.test/a/1.html\"/></ul>"
    "<ul><Class Name=\"乙\"/><li Name=\"1\" URL=\"http://portal.test/b/1.html\"/>"
    "<li Name=\"2\" URL=\"http://portal.test/b/2.html\"/></ul></playlist>";

class PlaylistPanelTest : public testsupport::AppTest {
protected:
    std::filesystem::path file() const { return appDir() / "zelskin" / "zelplaylist.xml"; }
    std::string saved() const { return testsupport::readBytes(file()); }

    std::unique_ptr<platform::Form> window = platform.ui.createForm();
    controls::SFPlayList list{window->addSurface(), platform.ui, platform::Font{}};
    PlaylistPanel panel{list, platform.ui, *window, platform.files, file()};
};

// Each group added opens and closes the one before, so the file's last group
// is the open one; loading it writes nothing back.
TEST_F(PlaylistPanelTest, TheFileLoadsWithItsLastGroupOpenAndStaysAsItWas) {
    testsupport::writeBytes(file(), kTwoGroups);
    const auto written = std::filesystem::last_write_time(file());
    panel.load();
    ASSERT_EQ(list.NodesCount(), 2);
    EXPECT_EQ(list.NodeText(1), "乙");
    EXPECT_EQ(list.ExpandedItemsHeight(), 2 * controls::SFPlayList::kRowHeight);
    sim.advance(5000);
    EXPECT_EQ(std::filesystem::last_write_time(file()), written);
}

// A burst of changes is written once, a second after the last; one still
// waiting when the window unloads is written then.
TEST_F(PlaylistPanelTest, ChangesAreSavedASecondAfterTheLastOrAtUnload) {
    testsupport::writeBytes(file(), kTwoGroups);
    panel.load();
    list.RemoveNode(0);
    sim.advance(600);
    list.setItemName(0, 1, "二");
    sim.advance(999);
    EXPECT_EQ(saved(), kTwoGroups);
    sim.advance(1);
    EXPECT_EQ(saved(),
              "<playlist><ul><Class Name=\"乙\"/><li Name=\"1\" URL=\"http://portal.test/b/1.html\"/>"
              "<li Name=\"二\" URL=\"http://portal.test/b/2.html\"/></ul></playlist>");

    list.ClearNodes();
    window->close();
    EXPECT_EQ(saved(), "<playlist/>");
}

// What the quitting paths call.
TEST_F(PlaylistPanelTest, SavePlayListWritesTheListAndSaysWhetherItCould) {
    std::filesystem::create_directories(file().parent_path());
    list.AddNode("电影");
    EXPECT_TRUE(panel.SavePlayList(file()));
    EXPECT_EQ(saved(), "<playlist><ul><Class Name=\"电影\"/></ul></playlist>");
    EXPECT_FALSE(panel.SavePlayList(appDir() / "missing" / "zelplaylist.xml"));
}

}  // namespace
}  // namespace fluvane::mainwindow

#include "form1_fixture.h"

namespace fluvane::mainwindow {
namespace {

using platform::Rect;
using Calls = std::vector<std::string>;

class Form1ViewsTest : public Form1Fixture {};

// The tabs repaint at once: the view's own selected, the others resting.
// appplay is a click on tab 0.
TEST_F(Form1ViewsTest, AppplayAndAppopenSwitchTheViewAndItsTab) {
    Form1Design& f = load();
    f.W2->setVisible(true);
    form->appopen();
    EXPECT_TRUE(f.Picture1->visible());
    EXPECT_FALSE(f.W2->visible()) << "the library page shows, not an application page";
    const auto tabs = [&](int playerCell, int libraryCell) {
        return std::vector<platform::sim::draw::Copy>{
            copyOf("bf.jpg", Rect::fromSize(playerCell, 0, 116, 45), {116, 1}),
            copyOf("pk.jpg", Rect::fromSize(libraryCell, 0, 116, 45), {232, 1}),
            copyOf("zb.jpg", Rect::fromSize(0, 0, 116, 45), {348, 1}),
            copyOf("tv.jpg", Rect::fromSize(0, 0, 116, 45), {464, 1})};
    };
    window().clearOperations();
    form->appplay();
    EXPECT_FALSE(f.Picture1->visible());
    EXPECT_EQ(copies(f.form()), tabs(232, 0));
    window().clearOperations();
    form->appopen();
    EXPECT_EQ(copies(f.form()), tabs(0, 232));
    window().clearOperations();
    ASSERT_TRUE(sim.ui().click(*f.Button2[0], {5, 5}));
    EXPECT_FALSE(f.Picture1->visible());
    EXPECT_EQ(copies(f.form()), tabs(232, 0));
}

// Back in the library with nothing playing, no external player is left
// running, even when the user only wanted the library.
TEST_F(Form1ViewsTest, TheLibraryTabEndsTheExternalPlayersOnlyWhenNothingPlays) {
    Form1Design& f = load();
    f.W3->setVisible(true);
    ASSERT_TRUE(sim.ui().click(*f.Button2[1], {5, 5}));
    EXPECT_TRUE(f.Picture1->visible());
    EXPECT_TRUE(sim.processes().terminations().empty());
    f.W3->setVisible(false);
    ASSERT_TRUE(sim.ui().click(*f.Button2[1], {5, 5}));
    EXPECT_EQ(sim.processes().terminations(),
              (Calls{"BaiduP2PService.exe", "QvodPlayer.exe", "QvodTerminal.exe", "orvelbaidu.exe"}));
}

}  // namespace
}  // namespace fluvane::mainwindow

#include "form1_fixture.h"

namespace fluvane::mainwindow {
namespace {

class Form1PanesTest : public Form1Fixture {};

using platform::WindowState;

TEST_F(Form1PanesTest, DoubleClickingTheWindowOrTheBackdropTogglesMaximised) {
    Form1Design& f = load();
    for (platform::Control* target :
         {static_cast<platform::Control*>(&f.form()), static_cast<platform::Control*>(f.bj)}) {
        ASSERT_TRUE(sim.ui().doubleClick(*target, {300, 300}));
        EXPECT_EQ(window().windowState(), WindowState::Maximized);
        EXPECT_EQ(f.form().geometry(), platform::Rect::fromSize(0, 0, 1366, 728)) << "the taskbar stays visible";
        ASSERT_TRUE(sim.ui().doubleClick(*target, {300, 300}));
        EXPECT_EQ(window().windowState(), WindowState::Normal);
        EXPECT_EQ(f.form().geometry(), platform::Rect::fromSize(193, 53, 980, 661));
    }
}

TEST_F(Form1PanesTest, TheBottomStripHandsTheWindowToTheSystemMoveLoop) {
    Form1Design& f = load();
    window().setNextDrag(30, -20);
    ASSERT_TRUE(sim.ui().move(f.form(), {1, 300}));
    ASSERT_EQ(window().cursor(), platform::Cursor::SizeWE);

    ASSERT_TRUE(sim.ui().move(*f.Picture9, {40, 20}, platform::button::Left));
    EXPECT_EQ(window().sizeMoveLoops(), 1);
    EXPECT_EQ(f.form().geometry(), platform::Rect::fromSize(223, 33, 980, 661));
    EXPECT_EQ(window().cursor(), platform::Cursor::Default);
}

// A resize pointer left by the window's edge goes when the pointer reaches these.
TEST_F(Form1PanesTest, PanelControlsResetTheWindowPointer) {
    Form1Design& f = load();
    const std::vector<std::pair<const char*, std::function<bool()>>> resets{
        {"Image14 up",
         [&] {
             return sim.ui().release(*f.Image14, {3, 3});
         }},
        {"Image15 move",
         [&] {
             return sim.ui().move(*f.Image15, {3, 3});
         }},
        {"Label1 move",
         [&] {
             return sim.ui().move(*f.Label1, {3, 3});
         }},
        {"Image2 move",
         [&] {
             return sim.ui().move(*f.Image2, {3, 3});
         }},
        {"Picture5 move",
         [&] {
             return sim.ui().move(*f.Picture5, {300, 3});
         }},
        {"Picture4 move",
         [&] {
             return sim.ui().move(*f.Picture4, {-1, 3});
         }},
        {"Picture7 move", [&] {
             return sim.ui().move(*f.Picture7, {-1, 3});
         }}};
    for (const auto& [name, reset] : resets) {
        ASSERT_TRUE(sim.ui().move(f.form(), {978, 300}));
        ASSERT_EQ(window().cursor(), platform::Cursor::SizeWE);
        ASSERT_TRUE(reset()) << name;
        EXPECT_EQ(window().cursor(), platform::Cursor::Default) << name;
    }
}

TEST_F(Form1PanesTest, TheClearButtonEmptiesThePlaylist) {
    Form1Design& f = load();
    f.SFPlayList1->AddNode("第一组");
    f.SFPlayList1->AddItem(0, "第1集", "http://portal.test/tcab/play/1.html");
    ASSERT_TRUE(sim.ui().click(*f.Picture7, {5, 5}));
    EXPECT_EQ(f.SFPlayList1->NodesCount(), 0);
}

TEST_F(Form1PanesTest, TheUpdateIconAndTheVersionTextRunTheUpdateCheck) {
    Form1Design& f = load();
    serveGbk("/zel/zel.txt", serverConfig("2.0"));
    testsupport::writeBytes(appDir() / "update", "");
    for (platform::Control* trigger :
         {static_cast<platform::Control*>(f.Image2), static_cast<platform::Control*>(f.Label1)}) {
        const std::size_t before = sim.processes().starts().size();
        ASSERT_TRUE(sim.ui().click(*trigger, {3, 3}));
        ASSERT_EQ(sim.processes().starts().size(), before + 1);
        EXPECT_EQ(sim.processes().starts().back().arguments, std::vector<std::string>{"2.0###shengji###"});
    }
}

}  // namespace
}  // namespace fluvane::mainwindow

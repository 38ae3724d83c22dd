#include "form1_fixture.h"

namespace fluvane::mainwindow {
namespace {

class Form1PaintTest : public Form1Fixture {};

using platform::Rect;
using platform::sim::draw::Copy;

struct View {
    const char* shipinku;
    int playerTabCell;   // source x in bf.jpg
    int libraryTabCell;  // source x in pk.jpg
};

TEST_F(Form1PaintTest, TheTitleBarIsCopiedFromTheSkinWithTheViewTabSelected) {
    for (const View view : {View{"True", 0, 232}, View{"False", 232, 0}}) {
        writeSettings("False", "1.0", view.shipinku);
        Form1& f = load();
        window().clearOperations();
        f.form().invalidate();
        sim.advance(0);

        const std::vector<Copy> expected{
            copyOf("biaotilan.jpg", Rect::fromSize(1, 0, 978, 45), {1, 0}),
            copyOf("Close.jpg", Rect::fromSize(0, 0, 32, 45), {946, 2}),
            copyOf("max-1.jpg", Rect::fromSize(0, 0, 27, 45), {919, 2}),
            copyOf("min.jpg", Rect::fromSize(0, 0, 27, 45), {892, 2}),
            copyOf("menu.jpg", Rect::fromSize(0, 0, 27, 45), {865, 2}),
            copyOf("hp.jpg", Rect::fromSize(0, 0, 27, 45), {838, 2}),
            copyOf("bf.jpg", Rect::fromSize(view.playerTabCell, 0, 116, 45), {116, 1}),
            copyOf("pk.jpg", Rect::fromSize(view.libraryTabCell, 0, 116, 45), {232, 1}),
            copyOf("zb.jpg", Rect::fromSize(0, 0, 116, 45), {348, 1}),
            copyOf("tv.jpg", Rect::fromSize(0, 0, 116, 45), {464, 1}),
            copyOf("logo.jpg", Rect::fromSize(0, 0, 97, 26), {8, 9})};
        EXPECT_EQ(copies(f.form()), expected) << "shipinku=" << view.shipinku;
    }
}

struct Pointer {
    platform::Point at;
    int button;
    int cell;  // source x of the copy it paints
};

TEST_F(Form1PaintTest, ThePlaylistButtonHoversPressesAndNamesWhatItWillDo) {
    Form1& f = load();
    auto& button = platform::sim::as<platform::sim::SimSurface>(*f.Picture8);
    const Pointer pointers[] = {{{5, 5}, 0, 19}, {{-1, 5}, platform::button::Left, 0}, {{0, 5}, 0, 0}};
    for (const Pointer& pointer : pointers) {
        button.clearOperations();
        ASSERT_TRUE(sim.ui().move(*f.Picture8, pointer.at, pointer.button));
        EXPECT_EQ(copies(*f.Picture8),
                  std::vector<Copy>{copyOf("list.jpg", Rect::fromSize(pointer.cell, 0, 19, 41), {0, 0})});
    }
    EXPECT_FALSE(button.hasCapture()) << "let go once outside with no button held";

    ASSERT_TRUE(sim.ui().move(*f.Picture8, {5, 5}));
    EXPECT_TRUE(button.hasCapture());
    EXPECT_EQ(button.toolTip(), "隐藏播放列表");
    button.clearOperations();
    ASSERT_TRUE(sim.ui().click(*f.Picture8, {5, 5}));
    EXPECT_EQ(copies(*f.Picture8), std::vector<Copy>{copyOf("list.jpg", Rect::fromSize(38, 0, 19, 41), {0, 0})});
    EXPECT_FALSE(f.Picture6->visible());
    ASSERT_TRUE(sim.ui().move(*f.Picture8, {6, 6}));
    EXPECT_EQ(button.toolTip(), "显示播放列表");
}

}  // namespace
}  // namespace fluvane::mainwindow

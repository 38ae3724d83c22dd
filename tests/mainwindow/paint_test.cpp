#include "form1_fixture.h"

namespace fluvane::mainwindow {
namespace {

class Form1PaintTest : public Form1Fixture {};

using platform::Rect;
using platform::sim::draw::Copy;

struct PanelButton {
    const char* name;
    platform::Surface* surface;
    platform::sim::PictureOrigin cells;
    platform::Size cell;
    bool pressable;
};

// Inside, a button holds the mouse and hovers; outside it rests, and lets go
// only once no button is held.
TEST_F(Form1PaintTest, PanelButtonsHoverAndPressFromTheirCells) {
    Form1Design& f = load();
    using platform::sim::PictureOrigin;
    const PanelButton buttons[] = {
        {"handle", f.Picture4, PictureOrigin::resource(304), {10, 128}, false},
        {"clear", f.Picture7, PictureOrigin::resource(302), {21, 45}, true},
        {"playlist", f.Picture8, PictureOrigin::fromFile(skinFile("list.jpg")), {19, 41}, true}};
    struct Pointer {
        platform::Point at;
        int button;
        int cell;
        bool captured;
    };
    const Pointer pointers[] = {
        {{5, 5}, 0, 1, true}, {{-1, 5}, platform::button::Left, 0, true}, {{0, 5}, 0, 0, false}};
    for (const PanelButton& b : buttons) {
        auto& surface = platform::sim::as<platform::sim::SimSurface>(*b.surface);
        const auto cell = [&](int index) {
            return std::vector<Copy>{
                {b.cells, Rect::fromSize(index * b.cell.width, 0, b.cell.width, b.cell.height), {0, 0}}};
        };
        for (const Pointer& pointer : pointers) {
            surface.clearOperations();
            ASSERT_TRUE(sim.ui().move(*b.surface, pointer.at, pointer.button));
            EXPECT_EQ(copies(*b.surface), cell(pointer.cell)) << b.name << " at " << pointer.at.x;
            EXPECT_EQ(surface.hasCapture(), pointer.captured) << b.name << " at " << pointer.at.x;
        }
        if (!b.pressable) continue;
        surface.clearOperations();
        ASSERT_TRUE(sim.ui().press(*b.surface, {5, 5}));
        EXPECT_EQ(copies(*b.surface), cell(2)) << b.name;
        ASSERT_TRUE(sim.ui().release(*b.surface, {5, 5}));
    }
}

TEST_F(Form1PaintTest, ThePlaylistButtonNamesWhatAClickWillDo) {
    Form1Design& f = load();
    for (const char* expected : {"隐藏播放列表", "显示播放列表", "隐藏播放列表"}) {
        ASSERT_TRUE(sim.ui().move(*f.Picture8, {5, 5}));
        EXPECT_EQ(platform::sim::as<platform::sim::SimSurface>(*f.Picture8).toolTip(), expected);
        ASSERT_TRUE(sim.ui().click(*f.Picture8, {5, 5}));
    }
}

TEST_F(Form1PaintTest, TheUpdateIconLightsUpUnderThePointer) {
    Form1Design& f = load();
    const auto shown = [&] { return platform::sim::originOf(*f.Image2->picture()); };
    EXPECT_EQ(shown(), platform::sim::PictureOrigin::resource(306));
    ASSERT_TRUE(sim.ui().move(*f.Image2, {3, 3}));
    EXPECT_EQ(shown(), platform::sim::PictureOrigin::resource(307));
    ASSERT_TRUE(sim.ui().move(*f.Picture5, {300, 3}));
    EXPECT_EQ(shown(), platform::sim::PictureOrigin::resource(306));
}

}  // namespace
}  // namespace fluvane::mainwindow

#include "controls/an.h"
#include "sim_window.h"

#include <gtest/gtest.h>

namespace fluvane::controls {
namespace {

using platform::Point;
using platform::Rect;

class SwitchTest : public ::testing::Test {
protected:
    // The face's source cell as last painted.
    Rect face() {
        auto& drawable = dynamic_cast<platform::sim::SimDrawable&>(toggle.ButtonMain());
        drawable.clearOperations();
        window.ui.processEvents();
        const auto& ops = drawable.operations();
        if (ops.empty()) return {};
        const auto& copy = std::get<platform::sim::draw::Copy>(ops.back());
        EXPECT_EQ(copy.picture, platform::sim::PictureOrigin::resource(104));
        return copy.source;
    }
    void move(Point p, int buttons = platform::button::None) { window.ui.move(toggle.ButtonMain(), p, buttons); }

    testing::SimWindow window{{10, 10, 50, 50}};
    an toggle{window.surface, window.ui};
};

constexpr Rect cell(int column, int row) { return Rect::fromSize(column, row, 33, 19); }

TEST_F(SwitchTest, NewInstanceIsOnAndOfFixedSize) {
    EXPECT_TRUE(toggle.Valve());
    EXPECT_EQ(window.surface.geometry(), (Rect{10, 10, 43, 29}));
    EXPECT_EQ(toggle.ButtonMain().geometry(), (Rect{0, 0, 33, 19}));
    EXPECT_EQ(face(), cell(0, 0));
    window.surface.setGeometry({10, 10, 100, 100});
    EXPECT_EQ(window.surface.geometry(), (Rect{10, 10, 43, 29}));
}

TEST_F(SwitchTest, ClickHandlerSeesTheNewState) {
    std::vector<bool> seen;
    toggle.Click = [&] { seen.push_back(toggle.Valve()); };
    window.ui.click(toggle.ButtonMain(), {10, 10});
    window.ui.click(toggle.ButtonMain(), {10, 10});
    EXPECT_EQ(seen, (std::vector<bool>{false, true}));
}

TEST_F(SwitchTest, ClickRedrawsTheNormalFaceOfTheNewState) {
    move({10, 10});
    window.ui.click(toggle.ButtonMain(), {10, 10});
    EXPECT_EQ(face(), cell(0, 19));
}

TEST_F(SwitchTest, SettingValveRedrawsWithoutClick) {
    int clicks = 0;
    std::vector<std::string> marked;
    toggle.Click = [&] { ++clicks; };
    toggle.PropertyChanged = [&](const std::string& name) { marked.push_back(name); };
    toggle.setValve(false);
    EXPECT_EQ(face(), cell(0, 19));
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(marked, (std::vector<std::string>{"Valve"}));
}

TEST_F(SwitchTest, HoverFaceCapturesUntilThePointerLeaves) {
    move({5, 5});
    EXPECT_EQ(face(), cell(33, 0));
    EXPECT_TRUE(dynamic_cast<const platform::Surface&>(toggle.ButtonMain()).hasCapture());
    move({40, 5});
    EXPECT_EQ(face(), cell(0, 0));
    EXPECT_FALSE(toggle.ButtonMain().hasCapture());
}

TEST_F(SwitchTest, BorderLinesCountAsOutside) {
    move({0, 5});
    EXPECT_EQ(face(), cell(0, 0));
    move({5, 0});
    EXPECT_EQ(face(), cell(0, 0));
}

TEST_F(SwitchTest, DraggedInWithButtonHeldShowsNoHover) {
    move({5, 5}, platform::button::Left);
    EXPECT_EQ(face(), cell(0, 0));
}

TEST_F(SwitchTest, PressShowsTheThirdColumnAndForwardsTheEvent) {
    toggle.setValve(false);
    std::vector<float> pressedAt;
    toggle.MouseDown = [&](int& button, int&, float& x, float& y) { pressedAt = {static_cast<float>(button), x, y}; };
    window.ui.press(toggle.ButtonMain(), {7, 8});
    EXPECT_EQ(face(), cell(66, 19));
    EXPECT_EQ(pressedAt, (std::vector<float>{1, 7, 8}));
}

TEST_F(SwitchTest, ValvePersistsOnlyWhenOn) {
    PropertyBag bag;
    toggle.writeProperties(bag);
    EXPECT_EQ(bag.read("Valve", ""), "-1");
    toggle.setValve(false);
    toggle.writeProperties(bag);
    EXPECT_FALSE(bag.contains("Valve"));
    toggle.setValve(true);
    toggle.readProperties(bag);
    EXPECT_FALSE(toggle.Valve());
}

}  // namespace
}  // namespace fluvane::controls

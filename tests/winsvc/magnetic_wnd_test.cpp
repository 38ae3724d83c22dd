#include "winsvc/magnetic_wnd.h"

#include "sim_desktop.h"

#include <memory>
#include <string>
#include <vector>

namespace fluvane::winsvc {
namespace {

using platform::Rect;
namespace sizing = platform::sizing;

class MagneticWndTest : public testing::SimDesktop {
protected:
    platform::Form& add(Rect place, platform::Form* parent = nullptr) {
        forms.push_back(window(place));
        EXPECT_TRUE(magnetic.AddWindow(*forms.back(), parent));
        return *forms.back();
    }

    // Declared first: the windows outlive the service that watches them.
    std::vector<std::unique_ptr<platform::Form>> forms;
    cMagneticWnd magnetic{ui};
};

TEST_F(MagneticWndTest, DragSnapsToTheWorkAreaAndOtherWindowsWithinSnapWidth) {
    enum class Other { None, Shown, Maximised, Hidden };
    const struct {
        std::string name;
        Rect start;
        int dx, dy;
        Other other;
        Rect expected;
        int snapWidth = 10;
    } cases[] = {
        {"left at 9", {100, 100, 500, 400}, -91, 0, Other::None, {0, 100, 400, 400}},
        {"left at 10", {100, 100, 500, 400}, -90, 0, Other::None, {10, 100, 410, 400}},
        {"left at 15, SnapWidth 20", {100, 100, 500, 400}, -85, 0, Other::None, {0, 100, 400, 400}, 20},
        {"right at 1928", {1500, 100, 1900, 400}, 28, 0, Other::None, {1520, 100, 1920, 400}},
        {"bottom 5 above 1040", {100, 100, 500, 400}, 0, 635, Other::None, {100, 740, 500, 1040}},
        {"right onto a window's left", {300, 500, 700, 800}, 295, 3, Other::Shown, {600, 500, 1000, 800}},
        {"right near a hidden window", {300, 500, 700, 800}, 295, 3, Other::Hidden, {595, 503, 995, 803}},
        {"top onto a window's bottom", {1000, 900, 1400, 1000}, 0, -95, Other::Shown, {1000, 800, 1400, 900}},
        // Maximised, the other window covers the screen here; it counts as the work area.
        {"maximised window", {1100, 500, 1500, 800}, 0, 275, Other::Maximised, {1100, 775, 1500, 1075}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto moving = window(c.start);
        auto other = window(c.other == Other::Maximised ? Rect{500, 300, 900, 600} : Rect{1000, 500, 1400, 800});
        cMagneticWnd service(ui);
        service.setSnapWidth(c.snapWidth);
        ASSERT_TRUE(service.AddWindow(*moving));
        if (c.other != Other::None) {
            ASSERT_TRUE(service.AddWindow(*other));
        }
        if (c.other == Other::Maximised) other->setWindowState(platform::WindowState::Maximized);
        if (c.other == Other::Hidden) other->hide();

        sim(*moving).simulateDrag(c.dx, c.dy, 3);
        EXPECT_EQ(moving->geometry(), c.expected);
    }
}

TEST_F(MagneticWndTest, ResizeSnapsOnlyTheDraggedEdges) {
    const struct {
        std::uintptr_t edge;
        int dx, dy;
        Rect expected;
    } cases[] = {
        {sizing::Left, -95, 0, {0, 5, 500, 400}},      {sizing::Left, -85, 0, {15, 5, 500, 400}},
        {sizing::Right, 1415, 0, {100, 5, 1920, 400}}, {sizing::Bottom, 0, 636, {100, 5, 500, 1040}},
        {sizing::TopLeft, -93, -2, {0, 0, 500, 400}},  {sizing::BottomRight, 1416, 637, {100, 5, 1920, 1040}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.edge);
        auto form = window({100, 5, 500, 400});
        cMagneticWnd service(ui);
        ASSERT_TRUE(service.AddWindow(*form));
        sim(*form).simulateResizeDrag(c.edge, c.dx, c.dy);
        EXPECT_EQ(form->geometry(), c.expected);
    }
}

TEST_F(MagneticWndTest, ChildTouchingItsParentIsGluedAndKeepsItsOffset) {
    const struct {
        std::string name;
        Rect child;
        bool glued;
    } cases[] = {
        {"abutting the right edge", {1000, 200, 1200, 500}, true},
        {"abutting the right edge lower down", {1000, 250, 1200, 550}, true},
        {"abutting the bottom edge", {300, 700, 600, 900}, true},
        {"overlapping without an equal edge", {900, 300, 1100, 600}, false},
        {"sharing a top edge across a gap", {1010, 200, 1210, 500}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto parent = window({200, 200, 1000, 700});
        auto child = window(c.child);
        cMagneticWnd service(ui);
        ASSERT_TRUE(service.AddWindow(*parent));
        ASSERT_TRUE(service.AddWindow(*child, parent.get()));

        sim(*parent).simulateDrag(50, 30, 2);
        EXPECT_EQ(parent->geometry(), (Rect{250, 230, 1050, 730}));
        const Rect expected =
            c.glued ? Rect{c.child.left + 50, c.child.top + 30, c.child.right + 50, c.child.bottom + 30} : c.child;
        EXPECT_EQ(child->geometry(), expected);
    }
}

TEST_F(MagneticWndTest, FloatWindowTravelsWithTheMainWindowUntilDraggedAway) {
    platform::Form& main = add({600, 200, 1500, 800});
    platform::Form& side = add({1500, 200, 1700, 600}, &main);

    // The glued window pulls the group so that its right edge meets the work area's.
    sim(main).simulateDrag(215, 0);
    EXPECT_EQ(main.geometry(), (Rect{820, 200, 1720, 800}));
    EXPECT_EQ(side.geometry(), (Rect{1720, 200, 1920, 600}));

    // Dragged itself, it snaps to the main window and the main window stays.
    sim(side).simulateDrag(-7, 100);
    EXPECT_EQ(side.geometry(), (Rect{1720, 300, 1920, 700}));
    EXPECT_EQ(main.geometry(), (Rect{820, 200, 1720, 800}));

    // Dragged clear of the main window, it no longer follows.
    sim(side).simulateDrag(100, 0);
    sim(main).simulateDrag(-300, 0);
    EXPECT_EQ(main.geometry(), (Rect{520, 200, 1420, 800}));
    EXPECT_EQ(side.geometry(), (Rect{1820, 300, 2020, 700}));
}

TEST_F(MagneticWndTest, RegistrationRules) {
    platform::Form& main = add({100, 100, 500, 400});
    auto stranger = window({600, 100, 900, 400});
    EXPECT_FALSE(magnetic.AddWindow(main));
    EXPECT_FALSE(magnetic.AddWindow(*stranger, stranger.get()));
    EXPECT_FALSE(magnetic.RemoveWindow(*stranger));

    // An unregistered window no longer snaps.
    EXPECT_TRUE(magnetic.RemoveWindow(main));
    sim(main).simulateDrag(-95, 0);
    EXPECT_EQ(main.geometry(), (Rect{5, 100, 405, 400}));

    // A destroyed window leaves the registry.
    EXPECT_TRUE(magnetic.AddWindow(*stranger));
    stranger->close();
    EXPECT_FALSE(magnetic.RemoveWindow(*stranger));
}

}  // namespace
}  // namespace fluvane::winsvc

#include "controls/sfv_scroll_bar.h"
#include "sim_window.h"

#include <gtest/gtest.h>

namespace fluvane::controls {
namespace {

using platform::Point;
using platform::Rect;
using testing::canvasOf;
using testing::opsOfKind;

class ScrollBarTest : public ::testing::Test {
protected:
    explicit ScrollBarTest(int height = 200) : window({0, 0, 17, height}) {
        bar.Change = [this] { ++changes; };
        bar.Scroll = [this] { ++scrolls; };
    }

    void configure(int min, int max, int largeChange, int smallChange, int value) {
        bar.setMin(static_cast<std::int16_t>(min));
        bar.setMax(static_cast<std::int16_t>(max));
        bar.setLargeChange(static_cast<std::int16_t>(largeChange));
        bar.setSmallChange(static_cast<std::int16_t>(smallChange));
        bar.setValue(static_cast<std::int16_t>(value));
    }
    // The pointer as the platform reports it, and as the repeat timer reads it.
    void pointAt(Point p) { window.ui.setCursorPosition(p); }
    void moveTo(Point p, int buttons = platform::button::None) {
        pointAt(p);
        window.ui.move(window.surface, p, buttons);
    }
    void press(Point p) {
        pointAt(p);
        window.ui.press(window.surface, p);
    }
    void release(Point p) { window.ui.release(window.surface, p); }

    testing::SimWindow window;
    SFVScrollBar bar{window.surface, window.ui};
    int changes = 0;
    int scrolls = 0;
};

TEST_F(ScrollBarTest, TakesItsFixedWidthAndDefaults) {
    EXPECT_EQ(window.surface.geometry().width(), 17);
    EXPECT_EQ(bar.Min(), 0);
    EXPECT_EQ(bar.Max(), 100);
    EXPECT_EQ(bar.Value(), 0);
    EXPECT_EQ(bar.LargeChange(), 1);
    EXPECT_EQ(bar.SmallChange(), 1);
}

class ShortScrollBarTest : public ScrollBarTest {
protected:
    ShortScrollBarTest() : ScrollBarTest(132) {}
};

TEST_F(ShortScrollBarTest, ThumbNeverSmallerThanItsCaps) { EXPECT_EQ(bar.thumbRect(), (Rect{0, 16, 16, 24})); }

TEST_F(ScrollBarTest, ThumbSizeAndPositionFollowRangeAndLargeChange) {
    configure(0, 56, 28, 28, 28);
    EXPECT_EQ(bar.thumbRect().height(), 56);
    EXPECT_EQ(bar.thumbRect().top, 72);
}

TEST_F(ScrollBarTest, ThumbFillsTrackWhenMaxEqualsMin) {
    configure(0, 0, 28, 28, 0);
    EXPECT_EQ(bar.thumbRect(), (Rect{0, 16, 16, 184}));
}

TEST_F(ScrollBarTest, ValueIsClampedAndRaisesNoEvent) {
    configure(0, 56, 28, 28, 0);
    bar.setValue(1000);
    EXPECT_EQ(bar.Value(), 56);
    bar.setMax(20);
    EXPECT_EQ(bar.Value(), 20);
    bar.setMin(30);
    EXPECT_EQ(bar.Value(), 20);  // inverted, and already between Max 20 and Min 30
    bar.setMax(25);
    EXPECT_EQ(bar.Value(), 25);
    EXPECT_EQ(changes + scrolls, 0);
}

TEST_F(ScrollBarTest, InvertedBarIgnoresValuesOutsideItsRange) {
    configure(0, 0, 1, 1, 0);
    bar.setMin(10);
    bar.setValue(5);
    EXPECT_EQ(bar.Value(), 5);
    bar.setValue(11);
    EXPECT_EQ(bar.Value(), 5);
    bar.setValue(-1);
    EXPECT_EQ(bar.Value(), 5);
}

TEST_F(ScrollBarTest, NonPositiveStepsAreIgnoredButMarkedChanged) {
    std::vector<std::string> marked;
    bar.PropertyChanged = [&](const std::string& name) { marked.push_back(name); };
    bar.setLargeChange(0);
    bar.setSmallChange(-3);
    EXPECT_EQ(bar.LargeChange(), 1);
    EXPECT_EQ(bar.SmallChange(), 1);
    EXPECT_EQ(marked, (std::vector<std::string>{"LargeChange", "SmallChange"}));
}

TEST_F(ScrollBarTest, UpArrowAtMinRaisesNoChange) {
    configure(0, 100, 10, 1, 1);
    press({8, 8});
    release({8, 8});
    EXPECT_EQ(bar.Value(), 0);
    EXPECT_EQ(changes, 1);
    press({8, 8});
    release({8, 8});
    EXPECT_EQ(changes, 1);
}

TEST_F(ScrollBarTest, InvertedBarStepsTowardsMin) {
    configure(0, 0, 1, 5, 0);
    bar.setMin(100);
    bar.setValue(50);
    press({8, 8});  // up arrow: towards Min
    release({8, 8});
    EXPECT_EQ(bar.Value(), 55);
    press({8, 195});
    release({8, 195});
    EXPECT_EQ(bar.Value(), 50);
    EXPECT_EQ(changes, 2);
}

TEST_F(ScrollBarTest, DoubleClickOnArrowStepsTwice) {
    configure(0, 100, 10, 1, 50);
    window.ui.doubleClick(window.surface, {8, 195});
    EXPECT_EQ(bar.Value(), 52);
    EXPECT_EQ(changes, 2);
}

TEST_F(ScrollBarTest, ArrowRepeatsAfter500msThenEvery50ms) {
    configure(0, 100, 10, 1, 0);
    moveTo({8, 195});
    press({8, 195});
    EXPECT_EQ(bar.Value(), 1);
    window.ui.advance(499);
    EXPECT_EQ(bar.Value(), 1);
    window.ui.advance(1);
    EXPECT_EQ(bar.Value(), 2);
    window.ui.advance(50);
    EXPECT_EQ(bar.Value(), 3);
    window.ui.advance(100);
    EXPECT_EQ(bar.Value(), 5);
    release({8, 195});
    window.ui.advance(1000);
    EXPECT_EQ(bar.Value(), 5);
    EXPECT_EQ(changes, 5);
}

TEST_F(ScrollBarTest, ArrowRepeatStopsOffTheArrowAndResumesOnIt) {
    configure(0, 100, 10, 1, 0);
    moveTo({8, 195});
    press({8, 195});
    moveTo({8, 100}, platform::button::Left);
    window.ui.advance(1000);
    EXPECT_EQ(bar.Value(), 1);
    moveTo({8, 195}, platform::button::Left);
    window.ui.advance(49);
    EXPECT_EQ(bar.Value(), 1);
    window.ui.advance(1);
    EXPECT_EQ(bar.Value(), 2);
}

// H 200, range 100, LargeChange 10: a 15-pixel thumb on a 153-pixel free track.
TEST_F(ScrollBarTest, TrackPagingStopsUnderThePointer) {
    configure(0, 100, 10, 1, 0);
    press({8, 100});
    EXPECT_EQ(bar.Value(), 10);
    window.ui.advance(499);
    EXPECT_EQ(bar.Value(), 10);
    window.ui.advance(1);
    EXPECT_EQ(bar.Value(), 20);
    window.ui.advance(50);
    EXPECT_EQ(bar.Value(), 30);
    window.ui.advance(1000);
    EXPECT_EQ(bar.Value(), 50);
    EXPECT_TRUE(bar.thumbRect().contains({8, 100}));
    EXPECT_EQ(changes, 5);
}

TEST_F(ScrollBarTest, TrackPagingPausesWhileThePointerIsOffTheTrack) {
    configure(0, 100, 10, 1, 0);
    press({8, 150});
    window.ui.advance(500);
    EXPECT_EQ(bar.Value(), 20);
    pointAt({100, 150});
    window.ui.advance(500);
    EXPECT_EQ(bar.Value(), 20);
    pointAt({8, 150});
    window.ui.advance(50);
    EXPECT_EQ(bar.Value(), 30);
}

TEST_F(ScrollBarTest, ThumbDragScrollsAndSnapsBackOutsideTolerance) {
    configure(0, 100, 10, 1, 0);
    press({8, 20});
    moveTo({8, 50}, platform::button::Left);
    EXPECT_EQ(bar.Value(), 20);  // nearest(100 / 153 * 30)
    EXPECT_EQ(scrolls, 1);
    moveTo({147, 50}, platform::button::Left);
    EXPECT_EQ(bar.Value(), 0);
    EXPECT_EQ(bar.thumbRect().top, 16);
    moveTo({146, 50}, platform::button::Left);
    EXPECT_EQ(bar.Value(), 20);
    moveTo({8, 229}, platform::button::Left);  // y below H + 30 still inside
    EXPECT_EQ(bar.Value(), 100);
    moveTo({8, 230}, platform::button::Left);
    EXPECT_EQ(bar.Value(), 0);
    release({8, 230});
    EXPECT_EQ(scrolls, 5);
    EXPECT_EQ(changes, 0);
}

TEST_F(ScrollBarTest, ThumbDragWithoutRangeLeavesValue) {
    configure(0, 0, 1, 1, 0);
    press({8, 100});
    moveTo({8, 150}, platform::button::Left);
    release({8, 150});
    EXPECT_EQ(bar.Value(), 0);
    EXPECT_EQ(scrolls, 0);
}

TEST_F(ShortScrollBarTest, ThumbDragOnFullTrackLeavesValue) {
    window.surface.setGeometry({0, 0, 17, 40});  // an 8-pixel track, all thumb
    configure(0, 100, 1, 1, 0);
    press({8, 18});
    moveTo({8, 30}, platform::button::Left);
    EXPECT_EQ(bar.Value(), 0);
    EXPECT_EQ(scrolls, 0);
}

TEST_F(ScrollBarTest, WheelNotchAtTheEndStillRaisesScroll) {
    configure(0, 100, 10, 1, 95);
    window.ui.wheel(window.surface, {8, 100}, -120);
    EXPECT_EQ(bar.Value(), 100);
    window.ui.wheel(window.surface, {8, 100}, -120);
    EXPECT_EQ(bar.Value(), 100);
    EXPECT_EQ(scrolls, 2);
    window.ui.wheel(window.surface, {8, 100}, 120);
    EXPECT_EQ(bar.Value(), 90);
    EXPECT_EQ(changes, 0);
}

TEST_F(ScrollBarTest, PaintsLooksFromTheSkinInOneCopy) {
    configure(0, 100, 10, 1, 0);
    moveTo({8, 8});
    press({8, 8});
    auto& canvas = canvasOf(bar.backBuffer());
    canvas.clearOperations();
    window.ui.processEvents();
    const auto copies = opsOfKind<platform::sim::draw::Copy>(canvas.operations());
    ASSERT_FALSE(copies.empty());
    EXPECT_EQ(copies.front().picture, platform::sim::PictureOrigin::resource(103));
    EXPECT_EQ(copies.front().source, (Rect{0, 32, 16, 48}));  // up arrow pressed
    EXPECT_EQ(copies.back().source, (Rect{0, 82, 16, 98}));   // down arrow normal
    EXPECT_EQ(copies.back().destination, (Point{0, 184}));
    const auto& toWindow = dynamic_cast<platform::sim::SimDrawable&>(window.surface).operations();
    ASSERT_FALSE(toWindow.empty());
    const auto& last = std::get<platform::sim::draw::Copy>(toWindow.back());
    EXPECT_EQ(last.source, (Rect{0, 0, 17, 200}));
}

TEST_F(ScrollBarTest, ThumbFillingTrackIsDrawnAsPlainTrack) {
    configure(0, 0, 1, 1, 0);
    auto& canvas = canvasOf(bar.backBuffer());
    canvas.clearOperations();
    window.ui.processEvents();
    const auto stretches = opsOfKind<platform::sim::draw::Stretch>(canvas.operations());
    ASSERT_EQ(stretches.size(), 1u);
    EXPECT_EQ(stretches[0].source, (Rect{0, 48, 16, 50}));
    EXPECT_EQ(stretches[0].destination, (Rect{0, 16, 16, 184}));
}

TEST_F(ScrollBarTest, HoverLookAppearsAndLeaves) {
    moveTo({8, 40});
    auto& canvas = canvasOf(bar.backBuffer());
    canvas.clearOperations();
    moveTo({8, 8});
    window.ui.processEvents();
    EXPECT_EQ(opsOfKind<platform::sim::draw::Copy>(canvas.operations()).front().source.top, 16);
    canvas.clearOperations();
    window.ui.leave(window.surface);
    window.ui.processEvents();
    EXPECT_EQ(opsOfKind<platform::sim::draw::Copy>(canvas.operations()).front().source.top, 0);
}

TEST_F(ScrollBarTest, StoredPropertiesAreTakenUnclamped) {
    PropertyBag bag;
    bar.writeProperties(bag);
    EXPECT_TRUE(bag.values().empty());
    bag.writeInt("Max", 10, 100);
    bag.writeInt("Value", 50, 0);
    bag.writeInt("LargeChange", 0, 1);
    bar.readProperties(bag);
    EXPECT_EQ(bar.Value(), 50);
    EXPECT_EQ(bar.LargeChange(), 0);
    EXPECT_EQ(bar.thumbRect().height(), 8);
}

}  // namespace
}  // namespace fluvane::controls

#include "form1_fixture.h"

#include "mainwindow/edge_resize.h"

namespace fluvane::mainwindow {
namespace {

class Form1EdgeTest : public Form1Fixture {};

using platform::Cursor;
using platform::Rect;

struct Band {
    Rect window;
    platform::Point at;
    const char* edges;  // t b l r, or m for move
    Cursor pointer;
};

std::string edgesOf(const EdgeDragState& s) {
    std::string edges;
    if (s.top) edges += 't';
    if (s.bottom) edges += 'b';
    if (s.left) edges += 'l';
    if (s.right) edges += 'r';
    if (s.move) edges += 'm';
    return edges;
}

TEST_F(Form1EdgeTest, HoveringPicksTheEdgesWithinFivePixels) {
    const Rect normal = Rect::fromSize(100, 100, 1000, 500);
    const Band bands[] = {
        {normal, {2, 250}, "l", Cursor::SizeWE},
        {normal, {995, 250}, "r", Cursor::SizeWE},
        {normal, {500, 0}, "t", Cursor::SizeNS},
        {normal, {500, 495}, "b", Cursor::SizeNS},
        {normal, {500, 494}, "m", Cursor::Default},
        {normal, {6, 6}, "m", Cursor::Default},
        {normal, {5, 5}, "tl", Cursor::SizeNWSE},
        {normal, {996, 496}, "br", Cursor::SizeNWSE},
        {normal, {2, 497}, "bl", Cursor::SizeNESW},
        {normal, {998, 3}, "tr", Cursor::SizeNESW},
        // Too small for two bands: the bottom or right one wins.
        {Rect::fromSize(0, 0, 1000, 8), {500, 3}, "b", Cursor::SizeNS},
        {Rect::fromSize(0, 0, 8, 500), {3, 250}, "r", Cursor::SizeWE},
        {Rect::fromSize(0, 0, 8, 8), {4, 4}, "br", Cursor::SizeNWSE},
    };
    auto window = sim.ui().createForm();
    for (const Band& band : bands) {
        window->setGeometry(band.window);
        EdgeDragState state;
        EdgeResize(*window, state, platform::button::None, band.at.x, band.at.y);
        EXPECT_EQ(edgesOf(state), band.edges) << band.at.x << "," << band.at.y;
        EXPECT_EQ(platform::sim::as<platform::sim::SimForm>(*window).cursor(), band.pointer) << band.edges;
        EXPECT_EQ(state.anchorX, band.at.x * 15.0f);
        EXPECT_EQ(state.anchorY, band.at.y * 15.0f);
        EXPECT_EQ(window->geometry(), band.window);
    }
}

struct Move {
    int x, y;
    int button;
    Rect expected;
};

struct Drag {
    const char* name;
    Rect start;
    std::vector<Move> moves;  // hover first, then the drag with the button held
};

constexpr int kHeld = platform::button::Left;

TEST_F(Form1EdgeTest, DraggingTheBareSurfaceResizesDownToTheMinimumOrMoves) {
    const Rect wide = Rect::fromSize(100, 100, 1000, 500);
    const Drag drags[] = {
        {"right edge: stops short of 980, anchor kept",
         wide,
         {{998, 300, 0, wide},
          {990, 300, kHeld, Rect::fromSize(100, 100, 992, 500)},
          {970, 300, kHeld, Rect::fromSize(100, 100, 992, 500)},
          {975, 300, kHeld, Rect::fromSize(100, 100, 992, 500)},
          {980, 300, kHeld, Rect::fromSize(100, 100, 982, 500)}}},
        {"left edge: the right edge stays",
         wide,
         {{1, 300, 0, wide},
          {-9, 300, kHeld, Rect::fromSize(90, 100, 1010, 500)},
          {31, 300, kHeld, Rect::fromSize(120, 100, 980, 500)},
          {2, 300, kHeld, Rect::fromSize(120, 100, 980, 500)}}},
        {"top edge: stops short of 400, the bottom stays",
         Rect::fromSize(100, 100, 1000, 420),
         {{500, 2, 0, Rect::fromSize(100, 100, 1000, 420)},
          {500, 32, kHeld, Rect::fromSize(100, 100, 1000, 420)},
          {500, 22, kHeld, Rect::fromSize(100, 120, 1000, 400)}}},
        {"bottom right corner", wide, {{997, 497, 0, wide}, {1017, 507, kHeld, Rect::fromSize(100, 100, 1020, 510)}}},
        {"middle: moves the window",
         wide,
         {{500, 200, 0, wide}, {510, 195, kHeld, Rect::fromSize(110, 95, 1000, 500)}}},
    };
    Form1Design& f = load();
    for (const Drag& drag : drags) {
        f.form().setGeometry(drag.start);
        for (const Move& move : drag.moves) {
            ASSERT_TRUE(sim.ui().move(f.form(), {move.x, move.y}, move.button));
            EXPECT_EQ(f.form().geometry(), move.expected) << drag.name << " at " << move.x << "," << move.y;
        }
    }
}

TEST_F(Form1EdgeTest, MaximisedTheSurfaceRepaintsButNeverResizes) {
    Form1Design& f = load();
    window().setWindowState(platform::WindowState::Maximized);
    const Rect maximised = f.form().geometry();
    window().clearOperations();

    ASSERT_TRUE(sim.ui().move(f.form(), {1, 300}));
    ASSERT_TRUE(sim.ui().move(f.form(), {-50, 300}, kHeld));
    EXPECT_EQ(f.form().geometry(), maximised);
    EXPECT_EQ(window().cursor(), Cursor::Default);
    const auto painted = copies(f.form());
    ASSERT_EQ(painted.size(), 2 * 9u);
    EXPECT_EQ(painted[1], copyOf("max-2.jpg", Rect::fromSize(0, 0, 27, 45), {maximised.width() - 61, 2}));
}

}  // namespace
}  // namespace fluvane::mainwindow

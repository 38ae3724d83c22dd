#include "controls/sf_play_list.h"
#include "sim_window.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace fluvane::controls {
namespace {

using platform::Point;
using platform::Rect;
using testing::canvasOf;
using testing::opsOfKind;

// A 200 x 140 list: five rows in view.
class PlayListTest : public ::testing::Test {
protected:
    PlayListTest() {
        list.MouseDown = [this](int button) {
            events.push_back("MouseDown " + std::to_string(button) + " " + std::to_string(list.SelNodeIndex()) + "," +
                             std::to_string(list.SelItemIndex()));
        };
        list.MouseUp = [this](int button) { events.push_back("MouseUp " + std::to_string(button)); };
        list.DblClick = [this] { events.push_back("DblClick"); };
    }

    // Groups in order, each filled after it is added (the last one ends up open).
    void load(const std::vector<int>& entriesPerGroup) {
        for (int entries : entriesPerGroup) {
            const int group = list.NodesCount();
            list.AddNode("group " + std::to_string(group));
            for (int i = 0; i < entries; ++i)
                list.AddItem(group, "entry " + std::to_string(i), "url " + std::to_string(i));
        }
    }
    SFVScrollBar& bar() { return list.SFVScrollBar1(); }
    bool barShown() { return bar().window().visible(); }
    std::vector<platform::sim::DrawOp> paint() {
        auto& canvas = canvasOf(list.backBuffer());
        canvas.clearOperations();
        window.surface.invalidate();
        window.ui.processEvents();
        return canvas.operations();
    }
    std::vector<std::string> textsDrawn() {
        std::vector<std::string> texts;
        for (const auto& text : opsOfKind<platform::sim::draw::Text>(paint())) texts.push_back(text.utf8);
        return texts;
    }
    void press(Point p) { window.ui.press(window.surface, p); }
    void release(Point p) { window.ui.release(window.surface, p); }

    testing::SimWindow window{{0, 0, 200, 140}};
    SFPlayList list{window.surface, window.ui, platform::Font{}};
    std::vector<std::string> events;
};

TEST_F(PlayListTest, LastLoadedGroupIsTheOpenOne) {
    load({2, 3, 4});
    EXPECT_EQ(list.ExpandedItemsHeight(), 4 * 28);
    EXPECT_EQ(textsDrawn(), (std::vector<std::string>{"group 0", "group 1", "group 2", "entry 0", "entry 1"}));
}

TEST_F(PlayListTest, AddNodeAcceptsOnlyAppendOrAnExistingPlace) {
    list.AddNode("x", 0);
    EXPECT_EQ(list.NodesCount(), 0);
    list.AddNode("a");
    list.AddNode("b", 1);
    EXPECT_EQ(list.NodesCount(), 1);
    list.AddNode("c", 0);
    EXPECT_EQ(list.NodeText(0), "c");
    EXPECT_EQ(list.NodeText(1), "a");
}

TEST_F(PlayListTest, BadIndicesReadEmptyAndChangeNothing) {
    load({2});
    EXPECT_EQ(list.ItemURL(0, 2), "");
    EXPECT_EQ(list.ItemURL(1, 0), "");
    EXPECT_EQ(list.ItemName(-1, 0), "");
    EXPECT_EQ(list.NodeText(5), "");
    EXPECT_EQ(list.ItemsCount(3), 0);
    list.AddItem(0, "late", "u", 2);
    list.RemoveItem(0, 2);
    list.RemoveNode(1);
    list.ClearItems(-1);
    list.setItemName(0, 7, "x");
    EXPECT_EQ(list.ItemsCount(0), 2);
    EXPECT_EQ(list.NodesCount(), 1);
    EXPECT_EQ(list.ItemURL(0, 1), "url 1");
}

// The container keeps the list somewhere: every change tells it, once, the
// control's own group deletion included; a call that changes nothing does not.
TEST_F(PlayListTest, EveryChangeRaisesChangedOnce) {
    struct Case {
        const char* what;
        std::function<void(SFPlayList&)> call;
        int raised;
    };
    const Case cases[] = {
        {"AddNode", [](SFPlayList& l) { l.AddNode("new"); }, 1},
        {"RemoveNode", [](SFPlayList& l) { l.RemoveNode(0); }, 1},
        {"ClearNodes", [](SFPlayList& l) { l.ClearNodes(); }, 1},
        {"AddItem", [](SFPlayList& l) { l.AddItem(0, "e", "u"); }, 1},
        {"RemoveItem", [](SFPlayList& l) { l.RemoveItem(1, 0); }, 1},
        {"ClearItems", [](SFPlayList& l) { l.ClearItems(1); }, 1},
        {"setNodeText", [](SFPlayList& l) { l.setNodeText(0, "t"); }, 1},
        {"setItemName", [](SFPlayList& l) { l.setItemName(1, 0, "n"); }, 1},
        {"setItemURL", [](SFPlayList& l) { l.setItemURL(1, 0, "u"); }, 1},
        {"bad indices",
         [](SFPlayList& l) {
             l.AddNode("x", 5);
             l.RemoveNode(5);
             l.AddItem(5, "e", "u");
             l.RemoveItem(0, 0);
             l.ClearItems(5);
             l.setNodeText(5, "t");
             l.setItemName(1, 5, "n");
             l.setItemURL(1, 5, "u");
         },
         0},
        {"empty group cleared", [](SFPlayList& l) { l.ClearItems(0); }, 0},
        {"the delete band",
         [this](SFPlayList&) {
             release({190, 10});
         },
         1},
    };
    for (const Case& c : cases) {
        list.ClearNodes();
        load({0, 2});
        int raised = 0;
        list.changed = [&] { ++raised; };
        c.call(list);
        EXPECT_EQ(raised, c.raised) << c.what;
        list.changed = nullptr;
    }
}

TEST_F(PlayListTest, InsertedEntriesTakeTheirPlace) {
    load({2});
    list.AddItem(0, "first", "u0", 0);
    EXPECT_EQ(list.ItemName(0, 0), "first");
    EXPECT_EQ(list.ItemName(0, 1), "entry 0");
    list.RemoveItem(0, 0);
    EXPECT_EQ(list.ItemName(0, 0), "entry 0");
}

TEST_F(PlayListTest, IsNodeExistDistinguishesCase) {
    list.AddNode("Movies");
    EXPECT_TRUE(list.IsNodeExist("Movies"));
    EXPECT_FALSE(list.IsNodeExist("movies"));
}

TEST_F(PlayListTest, RowTopEdgeBelongsToTheRowAbove) {
    load({3});
    press({50, 28});  // the group row: it closes
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(list.ExpandedItemsHeight(), 0);
    press({50, 28});  // open again
    press({50, 29});
    EXPECT_EQ(events, (std::vector<std::string>{"MouseDown 1 0,0"}));
    press({50, 57});
    EXPECT_EQ(events.back(), "MouseDown 1 0,1");
}

TEST_F(PlayListTest, DeleteBandPressDoesNotToggleReleaseDeletes) {
    load({1, 3});
    press({190, 10});  // right end of group 0's row
    EXPECT_EQ(list.ExpandedItemsHeight(), 3 * 28);
    release({50, 10});  // released outside the band: nothing
    EXPECT_EQ(list.NodesCount(), 2);
    press({50, 40});     // down on another row ...
    release({190, 10});  // ... up in group 0's delete band
    EXPECT_EQ(list.NodesCount(), 1);
    EXPECT_EQ(list.NodeText(0), "group 1");
}

TEST_F(PlayListTest, DeleteBandLiesLeftOfTheScrollBar) {
    load({1, 9});
    ASSERT_TRUE(barShown());
    release({175, 10});  // draw width 183: the band is 158 < x < 183
    EXPECT_EQ(list.NodesCount(), 1);
    release({158, 10});
    EXPECT_EQ(list.NodesCount(), 1);
}

TEST_F(PlayListTest, DoubleClickTogglesAGroupOnce) {
    load({1, 3});
    window.ui.doubleClick(window.surface, {50, 10});  // group 0 opens, group 1 closes
    EXPECT_EQ(list.ExpandedItemsHeight(), 28);
    EXPECT_EQ(events, (std::vector<std::string>{"DblClick"}));
}

TEST_F(PlayListTest, DoubleClickOnAnEntryRaisesMouseDownOnce) {
    load({3});
    window.ui.doubleClick(window.surface, {50, 40});
    EXPECT_EQ(events, (std::vector<std::string>{"MouseDown 1 0,0", "MouseUp 1", "DblClick", "MouseUp 1"}));
}

TEST_F(PlayListTest, ClickOnGroupClearsIndicesButKeepsHighlight) {
    load({1, 2});
    press({50, 70});  // group 1's first entry
    ASSERT_EQ(list.SelItemIndex(), 0);
    press({50, 10});  // group 0: opens, group 1 closes
    EXPECT_EQ(list.SelNodeIndex(), -1);
    EXPECT_EQ(list.SelItemIndex(), -1);
    press({50, 66});  // group 1 again
    const auto ops = paint();
    const auto copies = opsOfKind<platform::sim::draw::Copy>(ops);
    const bool selectedBackground = std::any_of(copies.begin(), copies.end(), [](const auto& copy) {
        return copy.source.top == 28 && copy.destination == Point{0, 56};
    });
    EXPECT_TRUE(selectedBackground);
}

TEST_F(PlayListTest, AddItemToClosedGroupKeepsHeightAndBar) {
    load({1, 9});
    const int max = bar().Max();
    window.ui.processEvents();
    list.AddItem(0, "more", "u");
    EXPECT_EQ(list.ExpandedItemsHeight(), 9 * 28);
    EXPECT_EQ(bar().Max(), max);
    EXPECT_TRUE(dynamic_cast<platform::sim::SimNode&>(window.surface).paintPending());
}

TEST_F(PlayListTest, RemovingEntriesShrinksRangeThenHidesBar) {
    load({5});  // 6 rows = 168 pixels in a 140-pixel view
    ASSERT_TRUE(barShown());
    EXPECT_EQ(bar().Max(), 28);
    window.ui.wheel(window.surface, {50, 50}, -120);
    EXPECT_EQ(bar().Value(), 28);
    list.AddItem(0, "x", "u");
    EXPECT_EQ(bar().Max(), 56);
    list.RemoveItem(0, 5);
    EXPECT_EQ(bar().Max(), 28);
    list.RemoveItem(0, 0);
    EXPECT_FALSE(barShown());
    EXPECT_EQ(bar().Value(), 0);
    EXPECT_EQ(list.scrollTop(), 0);
}

TEST_F(PlayListTest, WheelScrollsOneRowOnlyWithTheBarShown) {
    load({3});
    window.ui.wheel(window.surface, {50, 50}, -120);
    EXPECT_EQ(list.scrollTop(), 0);
    load({20});
    window.ui.wheel(window.surface, {50, 50}, -120);
    EXPECT_EQ(bar().Value(), 28);
    window.ui.wheel(window.surface, {50, 50}, 120);
    window.ui.wheel(window.surface, {50, 50}, 120);
    EXPECT_EQ(bar().Value(), 0);
}

TEST_F(PlayListTest, ScrollBarStepsScrollTheRows) {
    load({20});
    window.ui.click(bar().window(), {8, 130});  // down arrow
    EXPECT_EQ(list.scrollTop(), 28);
    press({50, 29});  // the second row from the top: group row is gone
    EXPECT_EQ(events.back(), "MouseDown 1 0,1");
}

TEST_F(PlayListTest, AHeldArrowDoesNotScrollOnceTheBarHides) {
    load({20});
    window.ui.press(bar().window(), {8, 130});  // down arrow, held
    list.ClearItems(0);
    ASSERT_FALSE(barShown());
    window.ui.advance(2000);
    EXPECT_EQ(list.scrollTop(), 0);
    EXPECT_EQ(textsDrawn(), (std::vector<std::string>{"group 0"}));
}

// The release of a bar hidden while held is lost; showing it again must not
// bring back the repeat, the drag or the capture of that press.
TEST_F(PlayListTest, AHeldArrowStaysReleasedWhenTheBarReturns) {
    load({20});
    window.ui.move(bar().window(), {8, 130});
    window.ui.press(bar().window(), {8, 130});  // down arrow, held
    list.ClearItems(0);
    EXPECT_FALSE(window.ui.release(bar().window(), {8, 130}));
    for (int i = 0; i < 20; ++i) list.AddItem(0, "again", "u");
    ASSERT_TRUE(barShown());
    EXPECT_FALSE(bar().window().hasCapture());
    window.ui.advance(2000);
    EXPECT_EQ(list.scrollTop(), 0);
    press({50, 40});
    EXPECT_EQ(events, (std::vector<std::string>{"MouseDown 1 0,0"}));
}

TEST_F(PlayListTest, AHeldThumbStaysReleasedWhenTheBarReturns) {
    load({20});
    const Rect thumb = bar().thumbRect();
    window.ui.press(bar().window(), {8, thumb.top + 1});
    list.ClearItems(0);
    for (int i = 0; i < 20; ++i) list.AddItem(0, "again", "u");
    ASSERT_TRUE(barShown());
    window.ui.move(bar().window(), {8, thumb.top + 60});  // no button held
    EXPECT_EQ(list.scrollTop(), 0);
    EXPECT_EQ(bar().Value(), 0);
}

TEST_F(PlayListTest, PaintsRowsWithTheirMarks) {
    load({3});
    press({50, 40});                           // select entry 0
    window.ui.move(window.surface, {50, 60});  // hover entry 1
    const auto ops = paint();
    const auto marks = opsOfKind<platform::sim::draw::CopyTransparent>(ops);
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_EQ(marks[0].source, (Rect{12, 0, 24, 12}));  // open box
    EXPECT_EQ(marks[0].destination, (Point{15, 8}));
    EXPECT_EQ(marks[1].source, (Rect{24, 5, 28, 12}));  // selected marker
    EXPECT_EQ(marks[1].destination, (Point{15, 38}));
    EXPECT_EQ(marks[1].key, platform::Color::rgb(255, 0, 255));
    const auto texts = opsOfKind<platform::sim::draw::Text>(ops);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].box, (Rect{32, 0, 200, 28}));
    EXPECT_TRUE(texts[0].centred);
    EXPECT_EQ(texts[1].box, (Rect{40, 36, 200, 56}));
    EXPECT_FALSE(texts[1].centred);
    EXPECT_EQ(texts[1].color, platform::Color::rgb(248, 182, 0));
    EXPECT_EQ(texts[2].color, platform::Color::rgb(150, 150, 150));
    const auto stretches = opsOfKind<platform::sim::draw::Stretch>(ops);
    ASSERT_EQ(stretches.size(), 2u);  // selected entry 0, hovered entry 1
    EXPECT_EQ(stretches[0].source, (Rect{60, 28, 108, 56}));
    EXPECT_EQ(stretches[0].destination, (Rect{60, 28, 140, 56}));
    EXPECT_EQ(stretches[1].source, (Rect{60, 0, 108, 28}));
    EXPECT_EQ(stretches[1].destination, (Rect{60, 56, 140, 84}));
    const auto fills = opsOfKind<platform::sim::draw::Fill>(ops);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].color, platform::Color::rgb(46, 46, 46));
}

TEST_F(PlayListTest, HoveredGroupShowsDeleteMarkUntilPointerLeaves) {
    load({1});
    window.ui.move(window.surface, {10, 5});
    auto marks = opsOfKind<platform::sim::draw::CopyTransparent>(paint());
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_EQ(marks[0].source, (Rect{30, 5, 38, 12}));
    EXPECT_EQ(marks[0].destination, (Point{180, 8}));
    window.ui.leave(window.surface);
    EXPECT_EQ(opsOfKind<platform::sim::draw::CopyTransparent>(paint()).size(), 1u);
}

TEST_F(PlayListTest, SystemColoursComeFromThePlatform) {
    window.ui.setSystemColor(5, platform::Color::rgb(1, 2, 3));
    list.setBackColor(0x80000005u);
    const auto fills = opsOfKind<platform::sim::draw::Fill>(paint());
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].color, platform::Color::rgb(1, 2, 3));
}

TEST_F(PlayListTest, FontSizeIsWholePointsHalvesToEven) {
    platform::Font font;
    font.size = 10.5;
    list.setFont(font);
    EXPECT_EQ(list.FontSize(), 10);
    list.AddNode("g");
    const auto texts = opsOfKind<platform::sim::draw::Text>(paint());
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].font.size, 10.0);
    list.setFontSize(12);
    list.setFontBold(true);
    const auto again = opsOfKind<platform::sim::draw::Text>(paint());
    EXPECT_EQ(again[0].font.size, 12.0);
    EXPECT_TRUE(again[0].font.bold);
}

TEST_F(PlayListTest, PropertiesPersistWithDefaultsLeftOut) {
    std::vector<std::string> marked;
    list.PropertyChanged = [&](const std::string& name) { marked.push_back(name); };
    PropertyBag bag;
    list.writeProperties(bag);
    EXPECT_TRUE(bag.values().empty());
    list.setSelColor(0x123456);
    list.setFontItalic(true);
    EXPECT_EQ(marked, (std::vector<std::string>{"SelColor", "FontItalic"}));
    list.writeProperties(bag);
    testing::SimWindow other{{0, 0, 100, 100}};
    SFPlayList restored{other.surface, other.ui, platform::Font{}};
    restored.readProperties(bag);
    EXPECT_EQ(restored.SelColor(), 0x123456u);
    EXPECT_EQ(restored.BackColor(), SFPlayList::kDefaultBackColor);
    EXPECT_TRUE(restored.FontItalic());
}

TEST_F(PlayListTest, ShrinkingTheListKeepsTheLastRowReachable) {
    load({10});  // 11 rows, 308 pixels
    EXPECT_EQ(bar().Max(), 308 - 140);
    window.surface.setGeometry({0, 0, 200, 100});
    EXPECT_EQ(bar().Max(), 308 - 100);
}

// Content beyond the 16-bit range of the bar.
class LongPlayListTest : public PlayListTest {
protected:
    // Hidden pixels: 28 * (rows) - 140.
    void loadRows(int entries) { load({entries}); }
    std::int64_t hidden() const { return 28 * (std::int64_t{list.ItemsCount(0)} + 1) - 140; }
};

TEST_F(LongPlayListTest, RangeUpToTheLimitIsInPixels) {
    // 1174 entries + 1 group = 32900 pixels: 32760 hidden, just under the limit.
    loadRows(1174);
    ASSERT_EQ(hidden(), 32760);
    EXPECT_EQ(bar().Max(), 32760);
    EXPECT_EQ(bar().SmallChange(), 28);
    window.ui.click(bar().window(), {8, 130});
    EXPECT_EQ(bar().Value(), 28);
    EXPECT_EQ(list.scrollTop(), 28);
}

TEST_F(LongPlayListTest, BeyondTheLimitTheBarStaysInRangeAndRowsStep) {
    loadRows(1175);  // 32788 hidden
    ASSERT_GT(hidden(), 32767);
    EXPECT_LE(bar().Max(), 32767);
    EXPECT_GT(bar().Max(), 0);
    window.ui.click(bar().window(), {8, 130});  // down arrow
    EXPECT_EQ(list.scrollTop(), 28);
    window.ui.click(bar().window(), {8, 130});
    EXPECT_EQ(list.scrollTop(), 56);
    window.ui.click(bar().window(), {8, 5});  // up arrow
    EXPECT_EQ(list.scrollTop(), 28);
    window.ui.wheel(window.surface, {50, 50}, -120);
    EXPECT_EQ(list.scrollTop(), 56);
}

TEST_F(LongPlayListTest, EveryRowOfAHugeListIsReachable) {
    loadRows(100000);
    const std::int64_t end = hidden();
    // The thumb dragged to the bottom shows the last entry.
    auto& barSurface = bar().window();
    const Rect thumb = bar().thumbRect();
    window.ui.press(barSurface, {8, thumb.top + 1});
    window.ui.move(barSurface, {8, 139}, platform::button::Left);
    window.ui.release(barSurface, {8, 139});
    EXPECT_EQ(list.scrollTop(), end);
    press({50, 140});
    EXPECT_EQ(events.back(), "MouseDown 1 0,99999");
    // Wheel and arrows step whole rows from there, down to the top.
    window.ui.wheel(window.surface, {50, 50}, 120);
    EXPECT_EQ(list.scrollTop(), end - 28);
    window.ui.click(barSurface, {8, 5});
    EXPECT_EQ(list.scrollTop(), end - 56);
    window.ui.click(barSurface, {8, 130});
    window.ui.click(barSurface, {8, 130});
    EXPECT_EQ(list.scrollTop(), end);
    // Paging on the track moves a row per step as well.
    window.ui.click(barSurface, {8, 20});
    EXPECT_EQ(list.scrollTop(), end - 28);
}

TEST_F(LongPlayListTest, WheelReachesBothEndsBeyondTheLimit) {
    loadRows(1300);
    const std::int64_t end = hidden();
    for (int i = 0; i < 1300; ++i) window.ui.wheel(window.surface, {50, 50}, -120);
    EXPECT_EQ(list.scrollTop(), end);
    EXPECT_EQ(bar().Value(), bar().Max());
    for (int i = 0; i < 1300; ++i) window.ui.wheel(window.surface, {50, 50}, 120);
    EXPECT_EQ(list.scrollTop(), 0);
    EXPECT_EQ(bar().Value(), 0);
}

}  // namespace
}  // namespace fluvane::controls

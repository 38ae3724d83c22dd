#include "form1_fixture.h"

namespace fluvane::mainwindow {
namespace {

using platform::Rect;
using platform::WindowState;
using platform::sim::draw::Copy;
using Calls = std::vector<std::string>;

class Form1TitleBarTest : public Form1Fixture {
protected:
    // The copies on the window that one input caused.
    std::vector<Copy> copiesOf(bool delivered) {
        EXPECT_TRUE(delivered) << "the hit area takes the input";
        std::vector<Copy> found = copies(form->form());
        window().clearOperations();
        return found;
    }
    Copy cell(const char* file, int width, int index, platform::Point to) const {
        return copyOf(file, Rect::fromSize(index * width, 0, width, 45), to);
    }
    Copy tab(const char* file, int index, int left) const { return cell(file, 116, index, {left, 1}); }
    static const std::string& toolTip(platform::Control& control) {
        return dynamic_cast<platform::sim::SimNode&>(control).toolTip();
    }
    const std::filesystem::path playlist = appDir() / "zelskin" / "zelplaylist.xml";
};

struct WindowButton {
    int index;
    const char* file;
    int width;
    int left;
    const char* toolTip;
};
const WindowButton kWindowButtons[] = {{0, "Close.jpg", 32, 946, "关闭软件"},
                                       {1, "max-1.jpg", 27, 919, "最大化"},
                                       {2, "min.jpg", 27, 892, "最小化"},
                                       {3, "menu.jpg", 27, 865, "菜单"},
                                       {4, "hp.jpg", 27, 838, "意见反馈"}};

struct View {
    const char* shipinku;
    int playerTabCell;   // source x in bf.jpg
    int libraryTabCell;  // source x in pk.jpg
};

TEST_F(Form1TitleBarTest, TheTitleBarIsCopiedFromTheSkinWithTheViewTabSelected) {
    for (const View view : {View{"True", 0, 232}, View{"False", 232, 0}}) {
        writeSettings("False", "1.0", view.shipinku);
        Form1Design& f = load();
        window().clearOperations();
        f.form().invalidate();
        sim.advance(0);

        const std::vector<Copy> expected{copyOf("biaotilan.jpg", Rect::fromSize(1, 0, 978, 45), {1, 0}),
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

// Hovering lights one window button and rests the others; pressing darkens
// it. The logo area paints nothing. Every hover clears a resize pointer.
TEST_F(Form1TitleBarTest, WindowButtonsLightUpUnderThePointerAndPressDown) {
    Form1Design& f = load();
    window().clearOperations();
    for (const WindowButton& hovered : kWindowButtons) {
        f.form().setCursor(platform::Cursor::SizeWE);
        std::vector<Copy> expected;
        for (const WindowButton& b : kWindowButtons)
            expected.push_back(cell(b.file, b.width, b.index == hovered.index ? 1 : 0, {b.left, 2}));
        EXPECT_EQ(copiesOf(sim.ui().move(*f.Button1[hovered.index], {5, 5})), expected) << hovered.index;
        EXPECT_EQ(toolTip(*f.Button1[hovered.index]), hovered.toolTip);
        EXPECT_EQ(window().cursor(), platform::Cursor::Default) << hovered.index;
        EXPECT_EQ(copiesOf(sim.ui().press(*f.Button1[hovered.index], {5, 5})),
                  std::vector<Copy>{cell(hovered.file, hovered.width, 2, {hovered.left, 2})});
        ASSERT_TRUE(sim.ui().release(*f.Button1[hovered.index], {5, 5}));
    }
    f.form().setCursor(platform::Cursor::SizeWE);
    EXPECT_EQ(copiesOf(sim.ui().move(*f.Button1[7], {5, 5})), std::vector<Copy>{});
    EXPECT_EQ(toolTip(*f.Button1[7]), "菜单导航");
    EXPECT_EQ(window().cursor(), platform::Cursor::Default);
}

// A selected tab does not light up: hovering it rests its neighbours.
TEST_F(Form1TitleBarTest, TabsLightUpUnlessTheirViewShows) {
    struct Case {
        bool library;
        int index;
        std::vector<Copy> painted;
    };
    const Case cases[] = {
        {true, 0, {tab("bf.jpg", 1, 116)}},  {false, 0, {tab("pk.jpg", 0, 232), tab("zb.jpg", 0, 348)}},
        {false, 1, {tab("pk.jpg", 1, 232)}}, {true, 1, {tab("bf.jpg", 0, 116), tab("zb.jpg", 0, 348)}},
        {false, 2, {tab("zb.jpg", 2, 348)}}, {true, 3, {tab("tv.jpg", 2, 464)}},
    };
    const char* const toolTips[] = {"播放窗口", "片库首页", "应用库", "应用库", "应用库"};
    Form1Design& f = load();
    for (const Case& c : cases) {
        f.Picture1->setVisible(c.library);
        f.form().setCursor(platform::Cursor::SizeNS);
        window().clearOperations();
        EXPECT_EQ(copiesOf(sim.ui().move(*f.Button2[c.index], {5, 5})), c.painted)
            << "tab " << c.index << (c.library ? " in the library" : " in the player");
        EXPECT_EQ(window().cursor(), platform::Cursor::Default);
    }
    for (std::size_t index = 0; index < f.Button2.size(); ++index)
        EXPECT_EQ(toolTip(*f.Button2[index]), toolTips[index]) << index;
}

// Set only to hide, the close button leaves everything as it is; otherwise,
// or where no notification area could bring the window back, it quits.
TEST_F(Form1TitleBarTest, CloseHidesWhenSetToAndItCanComeBackOtherwiseQuits) {
    struct Case {
        const char* form;
        bool tray;
        bool quits;
    };
    for (const Case c : {Case{"True", true, false}, Case{"False", true, true}, Case{"True", false, true}}) {
        std::filesystem::remove(playlist);
        sim.ui().setTrayAvailable(c.tray);
        Form1Design& f = load();
        Form1Inside::settings(*form).form = std::string_view(c.form) == "True";
        windows.calls.clear();
        const std::size_t trayCalls = sim.ui().notifyIconCalls().size();

        ASSERT_TRUE(sim.ui().click(*f.Button1[0], {5, 5}));

        const std::string which = std::string("form=") + c.form + (c.tray ? " tray" : " no tray");
        EXPECT_EQ(std::filesystem::exists(playlist), c.quits) << which;
        EXPECT_EQ(windows.calls, (c.quits ? Calls{"exit ad", "close popup"} : Calls{})) << which;
        EXPECT_EQ(window().closed(), c.quits) << which;
        if (!c.quits) {
            EXPECT_FALSE(f.form().visible()) << which;
            EXPECT_EQ(sim.ui().notifyIconCalls().size(), trayCalls) << "the tray icon stays";
            EXPECT_TRUE(sim.processes().terminations().empty());
        }
    }
}

TEST_F(Form1TitleBarTest, MinimiseGoesToTheTaskbarOrTheTray) {
    struct Case {
        const char* renwulan;
        bool tray;
        WindowState state;
        bool visible;
    };
    const Case cases[] = {{"True", true, WindowState::Minimized, true},
                          {"False", true, WindowState::Normal, false},
                          {"False", false, WindowState::Minimized, true}};
    for (const Case& c : cases) {
        sim.ui().setTrayAvailable(c.tray);
        Form1Design& f = load();
        Form1Inside::settings(*form).renwulan = std::string_view(c.renwulan) == "True";
        ASSERT_TRUE(sim.ui().click(*f.Button1[2], {5, 5}));
        const std::string which = std::string("renwulan=") + c.renwulan + (c.tray ? " tray" : " no tray");
        EXPECT_EQ(f.form().windowState(), c.state) << which;
        EXPECT_EQ(f.form().visible(), c.visible) << which;
    }
}

// The button shows and names the state a click switches to; maximised, the
// window leaves the taskbar visible.
TEST_F(Form1TitleBarTest, MaximiseAndRestoreFollowTheWindowState) {
    Form1Design& f = load();
    struct Step {
        WindowState state;
        Rect geometry;
        const char* toolTip;
        const char* cells;
    };
    for (const Step step : {Step{WindowState::Maximized, Rect::fromSize(0, 0, 1366, 728), "还原", "max-2.jpg"},
                            Step{WindowState::Normal, Rect::fromSize(193, 53, 980, 661), "最大化", "max-1.jpg"}}) {
        ASSERT_TRUE(sim.ui().click(*f.Button1[1], {5, 5}));
        EXPECT_EQ(f.form().windowState(), step.state);
        EXPECT_EQ(f.form().geometry(), step.geometry);
        window().clearOperations();
        const std::vector<Copy> hover = copiesOf(sim.ui().move(*f.Button1[1], {5, 5}));
        EXPECT_EQ(toolTip(*f.Button1[1]), step.toolTip);
        ASSERT_EQ(hover.size(), 5u);
        EXPECT_EQ(hover[1], cell(step.cells, 27, 1, {step.geometry.width() - 61, 2}));
    }
}

TEST_F(Form1TitleBarTest, TheMenuAndFeedbackButtonsAskForTheirWindowsAndTheLogoForNothing) {
    Form1Design& f = load();
    sim.ui().setCursorPosition({870, 60});
    for (const auto& [index, expected] : {std::pair<int, Calls>{3, {"main menu 870,60"}},
                                          std::pair<int, Calls>{4, {"feedback"}}, std::pair<int, Calls>{7, {}}}) {
        windows.calls.clear();
        ASSERT_TRUE(sim.ui().click(*f.Button1[index], {5, 5}));
        EXPECT_EQ(windows.calls, expected) << index;
    }
    EXPECT_TRUE(f.form().visible());
    EXPECT_EQ(f.form().windowState(), WindowState::Normal);
    EXPECT_TRUE(sim.processes().terminations().empty());
}

// The application pages show over the library page, their tab selected.
TEST_F(Form1TitleBarTest, ApplicationTabsShowTheirPortalPageOverTheLibrary) {
    struct Case {
        int index;
        const char* url;
        int zbCell;
        int tvCell;
    };
    Form1Design& f = load();
    auto& pane = platform::sim::as<platform::sim::SimBrowser>(*f.W2);
    for (const Case c : {Case{2, "http://portal.test/tcab/tj/", 2, 0}, Case{3, "http://portal.test/tcab/tv/", 0, 2}}) {
        form->appplay();
        f.W2->setVisible(false);
        window().clearOperations();
        EXPECT_EQ(copiesOf(sim.ui().click(*f.Button2[c.index], {5, 5})),
                  (std::vector<Copy>{tab("bf.jpg", 0, 116), tab("pk.jpg", 0, 232), tab("zb.jpg", c.zbCell, 348),
                                     tab("tv.jpg", c.tvCell, 464)}));
        EXPECT_TRUE(f.Picture1->visible());
        EXPECT_TRUE(f.W2->visible());
        EXPECT_GT(pane.zOrder(), platform::sim::as<platform::sim::SimBrowser>(*f.ListWeb).zOrder());
        EXPECT_EQ(pane.navigations().back(), c.url);
    }
}

}  // namespace
}  // namespace fluvane::mainwindow

#include "form_registry_fixture.h"

#include "startup/process_utils.h"

#include <algorithm>

namespace fluvane::client {

using namespace testsupport;
namespace {

using platform::sim::as;
using platform::sim::BrowserCall;
using platform::sim::SimBrowser;
using Calls = std::vector<std::string>;

// The menu form's menus as the user reaches them: a right click on the tray
// icon, the main window's menu button, a right click on the library page.
class MenusTest : public FormRegistryTest {
protected:
    enum class Menu { Tray, Main, Page };

    // Pops `which` up at `at`; the user chooses the item with `caption`, or
    // none for an empty one.
    void choose(Menu which, const std::string& caption, platform::Point at = {600, 400}) {
        windows::Form2& menus = forms.Form2();
        const windows::MenuDesign& design = which == Menu::Tray   ? menus.menu
                                            : which == Menu::Main ? menus.caidan
                                                                  : menus.MyMenu;
        if (!caption.empty()) {
            const auto item = std::find_if(design.items.begin(), design.items.end(),
                                           [&](const platform::MenuItem* i) { return i->caption == caption; });
            ASSERT_NE(item, design.items.end()) << caption;
            sim.ui().queueMenuChoice((*item)->id);
        }
        switch (which) {
            case Menu::Tray:
                sim.ui().setCursorPosition(at);
                ASSERT_TRUE(sim.ui().raiseTrayCallback(0, platform::traymsg::RightButtonUp));
                break;
            case Menu::Main:
                forms.showMainMenu(at);
                break;
            case Menu::Page:
                ASSERT_TRUE(library().raiseContextMenu(at)) << "the page's own menu shows";
                break;
        }
    }
    SimBrowser& library() { return as<SimBrowser>(*controlsOf(forms.Form1()).ListWeb); }
};

TEST_F(MenusTest, EachMenuShowsItsItemsAtThePointerOwnedByTheMainWindow) {
    struct Case {
        Menu menu;
        Calls captions;  // "" a separator
    };
    const Case cases[] = {
        {Menu::Tray, {"退出程序", "", "检测升级", "访问首页", "", "关于我们", "软件设置", "", "显示或隐藏"}},
        {Menu::Main, {"关于我们", "检测升级", "软件设置", "", "退出程序"}},
        {Menu::Page, {"后退一页", "", "前进一页", "", "刷新一下", "", "返回首页"}},
    };
    for (const Case& c : cases) {
        const std::size_t before = sim.ui().menus().size();
        choose(c.menu, "", {321, 123});
        ASSERT_EQ(sim.ui().menus().size(), before + 1);
        const platform::sim::MenuCall& shown = sim.ui().menus().back();
        Calls captions;
        for (const platform::MenuItem& item : shown.items) {
            captions.push_back(item.caption);
            EXPECT_EQ(item.id == 0, item.caption.empty()) << item.caption;
            EXPECT_FALSE(item.checked) << item.caption;
        }
        EXPECT_EQ(captions, c.captions);
        EXPECT_EQ(shown.owner, mainForm()->handle());
        EXPECT_EQ(shown.screen, (platform::Point{321, 123}));
    }
}

// Without history the pane does nothing, and says nothing.
TEST_F(MenusTest, ThePageMenuMovesTheLibraryPaneAndItsHomeItemStaysChecked) {
    struct Case {
        const char* caption;
        BrowserCall call;
    };
    const Case cases[] = {
        {"后退一页", BrowserCall::GoBack}, {"前进一页", BrowserCall::GoForward}, {"刷新一下", BrowserCall::Refresh}};
    const std::string location = library().locationUrl();
    for (const Case& c : cases) {
        choose(Menu::Page, c.caption);
        ASSERT_FALSE(library().calls().empty()) << c.caption;
        EXPECT_EQ(library().calls().back(), c.call) << c.caption;
        EXPECT_EQ(library().locationUrl(), location) << c.caption;
    }
    EXPECT_EQ(library().calls().size(), 3u);
    EXPECT_TRUE(sim.ui().messageBoxes().empty());

    const std::size_t navigations = library().navigations().size();
    choose(Menu::Page, "返回首页");
    choose(Menu::Page, "返回首页");
    EXPECT_EQ(Calls(library().navigations().begin() + static_cast<std::ptrdiff_t>(navigations),
                    library().navigations().end()),
              (Calls{"http://portal.test/index.asp", "http://portal.test/index.asp"}));
    EXPECT_TRUE(sim.ui().menus().back().items.back().checked);
    choose(Menu::Page, "");
    EXPECT_TRUE(sim.ui().menus().back().items.back().checked);
}

TEST_F(MenusTest, WindowItemsOpenAboutOrSettingsAndShowOrHideTheMainWindow) {
    struct Case {
        Menu menu;
        const char* caption;
        bool about;
        bool settings;
    };
    const Case cases[] = {
        {Menu::Tray, "关于我们", true, false},
        {Menu::Tray, "软件设置", false, true},
        {Menu::Main, "关于我们", true, false},
        {Menu::Main, "软件设置", false, true},
    };
    for (const Case& c : cases) {
        choose(c.menu, c.caption);
        EXPECT_EQ(forms.shezhigy().loaded() != nullptr, c.about) << c.caption;
        EXPECT_EQ(forms.shezhitip().loaded() != nullptr, c.settings) << c.caption;
    }

    choose(Menu::Tray, "显示或隐藏");
    EXPECT_FALSE(mainForm()->visible());
    choose(Menu::Tray, "显示或隐藏");
    EXPECT_TRUE(mainForm()->visible());
}

TEST_F(MenusTest, UpdateItemsRunTheUpdateCheckAndTheHomeItemOpensThePortalInTheBrowser) {
    writeBytes(appDir() / "update", "");
    for (const Menu menu : {Menu::Tray, Menu::Main}) {
        const std::size_t before = sim.processes().starts().size();
        choose(menu, "检测升级");
        ASSERT_EQ(sim.processes().starts().size(), before + 1);
        EXPECT_EQ(sim.processes().starts().back().program, appDir() / "update");
        EXPECT_EQ(sim.processes().starts().back().arguments, Calls{"1.0###wu###"});
        EXPECT_EQ(forms.Form2().Text1, "1.0");
        EXPECT_EQ(forms.Form2().Text2, "1.0");
    }
    EXPECT_FALSE(sim.application().ended());

    choose(Menu::Tray, "访问首页");
    EXPECT_EQ(sim.shell().openedInBrowser(), Calls{"http://portal.test"});
}

// The same sequence as the close button's: the playlist saved and the tray
// icon gone, then the exit advertisement takes over or the client ends.
TEST_F(MenusTest, ExitItemsRunTheMainWindowsExitSequence) {
    struct Case {
        Menu menu;
        const char* tuichu;
    };
    const Case cases[] = {{Menu::Tray, "1"}, {Menu::Main, "1"}, {Menu::Tray, "0"}, {Menu::Main, "0"}};
    const auto playlist = appDir() / "zelskin" / "zelplaylist.xml";
    const Calls allPlayers(startup::kAllPlayers.begin(), startup::kAllPlayers.end());
    for (const Case& c : cases) {
        std::filesystem::remove(playlist);
        forms.tui().unload();
        forms.Form1().show();
        mainwindow::Form1Inside::values(forms.Form1()).tuichu = std::string_view(c.tuichu) == "1";
        const std::size_t killed = sim.processes().terminations().size();

        choose(c.menu, "退出程序");

        EXPECT_TRUE(std::filesystem::exists(playlist)) << c.tuichu;
        EXPECT_EQ(sim.ui().trayIcon(0), nullptr) << c.tuichu;
        const bool handsOver = std::string_view(c.tuichu) == "1";
        EXPECT_EQ(forms.tui().loaded() != nullptr, handsOver) << c.tuichu;
        EXPECT_EQ(forms.loadedForm1() == nullptr, handsOver) << c.tuichu;
        const auto& all = sim.processes().terminations();
        EXPECT_EQ(Calls(all.begin() + static_cast<std::ptrdiff_t>(killed), all.end()), handsOver ? Calls{} : allPlayers)
            << c.tuichu;
    }
}

}  // namespace
}  // namespace fluvane::client

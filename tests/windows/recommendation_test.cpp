#include "windows/hit.h"

#include "mainwindow/form1_fixture.h"
#include "startup/process_utils.h"

#include <algorithm>

namespace fluvane::windows {
namespace {

using platform::Rect;
using platform::sim::as;
using platform::sim::SimBrowser;
using platform::sim::SimForm;
using testsupport::kPortal;
using Calls = std::vector<std::string>;

// The recommendation window opened by a loaded main window, as the main window opens it.
class RecommendationTest : public mainwindow::Form1Fixture {
protected:
    RecommendationTest() { load(); }

    std::unique_ptr<hit> open() {
        auto window = std::make_unique<hit>(platform, [this] { return form.get(); });
        window->Form_Load();
        window->Show(&form->form());
        return window;
    }
    static SimForm& simForm(hit& window) { return as<SimForm>(window.form()); }
    static SimBrowser& pane(hit& window) { return as<SimBrowser>(*window.w); }
    // The rows of the window its region leaves visible.
    static int visibleRows(hit& window) {
        const int height = window.form().geometry().height();
        const auto& region = simForm(window).region();
        if (!region) return height;
        return std::max(0, std::min(region->rect.bottom, height) - std::max(region->rect.top, 0));
    }
    std::string loadingPage() const { return "file://" + (appDir() / "app" / "loading.html").string(); }
};

TEST_F(RecommendationTest, ItOpensTopmostAndOffTheTaskbarNearTheScreensBottomRightCorner) {
    struct Case {
        platform::Size screen;
        platform::Point topLeft;
    };
    // 1024 x 15 x 0.8 = 12288 twips and 768 x 15 x 0.72 = 8294.4 twips, truncated to pixels.
    const Case cases[] = {{{1024, 768}, {819, 552}}, {{1366, 768}, {1092, 552}}};
    for (const Case& c : cases) {
        sim.ui().setScreenSize(c.screen);
        const auto window = open();
        EXPECT_EQ(window->form().geometry(), Rect::fromSize(c.topLeft.x, c.topLeft.y, 263, 179));
        EXPECT_EQ(window->w->geometry(), Rect::fromSize(-3, -3, 297, 185));
        EXPECT_TRUE(simForm(*window).topmost());
        EXPECT_FALSE(simForm(*window).showInTaskbar());
        EXPECT_EQ(simForm(*window).owner(), &form->form());
        EXPECT_TRUE(simForm(*window).shown());
    }
}

TEST_F(RecommendationTest, ItRisesTenRowsEvery15MsFromItsBottomRowThenStaysThirtySeconds) {
    const auto window = open();
    EXPECT_EQ(visibleRows(*window), 1);
    sim.advance(15);
    EXPECT_EQ(visibleRows(*window), 11);
    sim.advance(16 * 15);
    EXPECT_EQ(visibleRows(*window), 171);
    sim.advance(15);
    EXPECT_EQ(visibleRows(*window), 179);

    sim.advance(29999);
    EXPECT_FALSE(simForm(*window).closed());
    sim.advance(1);
    EXPECT_TRUE(simForm(*window).closed());
}

TEST_F(RecommendationTest, TheLoadingPageGivesWayToThePortalsRecommendationAfterTwoSeconds) {
    struct Case {
        const char* dizhi;
        Calls later;
    };
    const Case cases[] = {
        {"http://portal.test", {"http://portal.test/tcab/hit.asp?id=999"}},
        {"javascript:alert(1)//", {}},
    };
    for (const Case& c : cases) {
        mainwindow::Form1Inside::values(*form).dizhi = c.dizhi;
        const auto window = open();
        EXPECT_EQ(pane(*window).navigations(), Calls{loadingPage()}) << c.dizhi;
        EXPECT_TRUE(window->w->silent()) << c.dizhi;
        sim.advance(1999);
        EXPECT_EQ(pane(*window).navigations(), Calls{loadingPage()}) << c.dizhi;
        sim.advance(1);
        Calls all{loadingPage()};
        all.insert(all.end(), c.later.begin(), c.later.end());
        EXPECT_EQ(pane(*window).navigations(), all) << c.dizhi;
    }
}

// Each command rewrites its scheme only in lower case, and the next command
// tests and rewrites what the one before left; the main window's panes go
// only to web pages.
TEST_F(RecommendationTest, CommandsActOnTheMainWindowEachOnTheURLAsTheOneBeforeRewroteIt) {
    enum class Ends { Open, InLibrary, InPlayer };
    struct Case {
        const char* url;
        platform::NavigationSource source;
        const char* dizhi;
        Ends ends;
        Calls library;
        Calls player;
    };
    const Calls none;
    const Case cases[] = {
        {"appopen:///tcab/list.asp?id=2",
         {},
         kPortal,
         Ends::InLibrary,
         {"http://portal.test/tcab/list.asp?id=2"},
         none},
        {"appplay:///tcab/play.asp?id=7", {}, kPortal, Ends::InPlayer, none, {"http://portal.test/tcab/play.asp?id=7"}},
        {"http://portal.test/go.asp?u=APPPLAY:///p.asp",
         {},
         kPortal,
         Ends::InPlayer,
         none,
         {"http://portal.test/go.asp?u=APPPLAY:///p.asp"}},
        {"appopen:///a.asp?then=appplay:///b.asp",
         {},
         kPortal,
         Ends::InPlayer,
         {"http://portal.test/a.asp?then=appplay:///b.asp"},
         {"http://portal.test/a.asp?then=http://portal.test/b.asp"}},
        {"appplay:///tcab/play.asp", {}, "", Ends::InPlayer, none, none},
        {"appplay:///tcab/play.asp", {"http://ads.test"}, kPortal, Ends::Open, none, none},
        {"http://portal.test/tcab/more.asp", {}, kPortal, Ends::Open, none, none},
    };
    const Calls externalPlayers(startup::kExternalPlayers.begin(), startup::kExternalPlayers.end());
    const auto since = [](const Calls& all, std::size_t before) {
        return Calls(all.begin() + static_cast<std::ptrdiff_t>(before), all.end());
    };
    for (const Case& c : cases) {
        mainwindow::Form1Inside::values(*form).dizhi = c.dizhi;
        form->appopen();
        controls().bj->setVisible(true);
        controls().W3->setVisible(false);
        controls().Label1->setVisible(false);
        const auto window = open();
        const auto& library = as<SimBrowser>(*controls().ListWeb).navigations();
        const auto& player = as<SimBrowser>(*controls().W3).navigations();
        const auto& killed = sim.processes().terminations();
        const std::size_t libraryBefore = library.size(), playerBefore = player.size();
        const std::size_t killedBefore = killed.size();

        const bool command = c.ends != Ends::Open;
        EXPECT_EQ(pane(*window).raiseBeforeNavigate(c.url, c.source), command) << c.url;

        EXPECT_EQ(simForm(*window).closed(), command) << c.url;
        EXPECT_EQ(since(library, libraryBefore), c.library) << c.url;
        EXPECT_EQ(since(player, playerBefore), c.player) << c.url;
        const bool played = c.ends == Ends::InPlayer;
        EXPECT_EQ(controls().Picture1->visible(), !played) << c.url;
        EXPECT_EQ(controls().bj->visible(), !played) << c.url;
        EXPECT_EQ(controls().W3->visible(), played) << c.url;
        EXPECT_EQ(controls().Label1->visible(), played) << c.url;
        // The play ends the external players last; a return to the library may have ended them before.
        const Calls killedNow = since(killed, killedBefore);
        if (played) {
            ASSERT_GE(killedNow.size(), externalPlayers.size()) << c.url;
            EXPECT_TRUE(std::equal(externalPlayers.rbegin(), externalPlayers.rend(), killedNow.rbegin())) << c.url;
        }
    }
}

// The fade serves the user interface between its steps. What arrives
// meanwhile neither closes the window twice nor fades it again, and a window
// closed meanwhile is not touched again.
TEST_F(RecommendationTest, AFadeRunsOnceAndAWindowClosedDuringItIsLeftAsItWas) {
    struct Case {
        const char* what;
        std::int64_t openFor;  // ms before the page asks to close
        const char* arriving;  // a navigation of the page 50 ms into the fade
        std::int64_t fadeFor;  // ms
        int alphaAtClose;
    };
    const Case cases[] = {
        {"rise ticks only", 0, nullptr, 250, 15},
        {"a second close", 0, "appclose://", 250, 15},
        {"an open command", 0, "appopen:///tcab/list.asp", 50, 205},
        {"the stay's last tick", 270 + 30000 - 95, nullptr, 100, 155},
    };
    for (const Case& c : cases) {
        const auto window = open();
        sim.advance(c.openFor);
        int unloads = 0;
        int alphaAtClose = -1;
        platform::Form& f = window->form();
        f.formEvents.unload = [&, previous = f.formEvents.unload] {
            previous();
            ++unloads;
            alphaAtClose = simForm(*window).alpha();
        };
        const auto arrive = platform.ui.createTimer();
        arrive->setInterval(50);
        arrive->tick = [&] {
            arrive->setEnabled(false);
            EXPECT_TRUE(pane(*window).raiseBeforeNavigate(c.arriving)) << c.what;
        };
        arrive->setEnabled(c.arriving != nullptr);
        const std::int64_t start = sim.now();

        EXPECT_TRUE(pane(*window).raiseBeforeNavigate("appclose://")) << c.what;

        EXPECT_EQ(sim.now() - start, c.fadeFor) << c.what;
        EXPECT_EQ(unloads, 1) << c.what;
        EXPECT_EQ(alphaAtClose, c.alphaAtClose) << c.what;
        EXPECT_EQ(simForm(*window).alpha(), c.alphaAtClose) << c.what;
        sim.advance(31000);
        EXPECT_EQ(unloads, 1) << c.what;
    }
}

}  // namespace
}  // namespace fluvane::windows

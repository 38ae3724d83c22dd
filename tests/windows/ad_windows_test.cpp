#include "windows/tan.h"
#include "windows/tui.h"

#include "startup/process_utils.h"
#include "support/app_fixture.h"

#include <functional>
#include <iostream>
#include <sstream>

namespace fluvane::windows {

using namespace testsupport;
namespace {

using platform::Rect;
using platform::sim::as;
using platform::sim::SimBrowser;
using platform::sim::SimForm;
using Calls = std::vector<std::string>;

class AdWindowsTest : public AppTest {
protected:
    AdWindowsTest() { writeSizes("广告宽=300\r\n广告高=250\r\n"); }

    // The same size keys for both advertisements.
    void writeSizes(const std::string& keys, const std::string& portal = "http://portal.test") {
        writeGbk("zelhe.db", "[澜映软件配置]\r\n域名=" + portal + "\r\n[弹窗广告设置项]\r\n" + keys +
                                 "[退窗广告设置项]\r\n" + keys);
    }
    SimForm& simForm(AdWindowDesign& window) { return as<SimForm>(window.form()); }
    SimBrowser& pane(AdWindowDesign& window) { return as<SimBrowser>(*window.w); }
};

TEST_F(AdWindowsTest, SizesComeFromTheServerInTwipsPerAdvertisementPixel) {
    tan popup(platform);
    popup.Form_Load();
    tui exit(platform);
    exit.Form_Load();

    const Rect corner = popup.form().geometry();
    EXPECT_EQ(corner.width() * 15, 4440);
    EXPECT_EQ(corner.height() * 15, 3525);
    EXPECT_EQ(popup.w->geometry(), Rect::fromSize(-3, -1, 300, 250));  // 4500 x 3750 twips at (-40, -10)
    const platform::Size screen = sim.ui().screenSize();
    EXPECT_NEAR(corner.left * 15, screen.width * 15 - 4580, 7.5);
    EXPECT_NEAR(corner.top * 15, screen.height * 15 - 4175, 7.5);
    EXPECT_EQ(popup.P3->geometry(), Rect::fromSize(295, 0, 1, 235));
    EXPECT_EQ(popup.P4->geometry(), Rect::fromSize(0, 234, 296, 1));

    EXPECT_EQ(exit.form().geometry(), Rect::fromSize((1366 - 286) / 2, (768 - 235) / 2, 286, 235));  // 4290 x 3525
    EXPECT_EQ(exit.w->geometry(), Rect::fromSize(-3, -1, 300, 250));
}

TEST_F(AdWindowsTest, UnusableSizesKeepTheDesignAndHugeOnesAreCappedAtTheScreen) {
    struct Case {
        const char* keys;
        platform::Size window;
        platform::Size page;
    };
    const Case cases[] = {
        {"", {343, 241}, {350, 250}},
        {"广告宽=abc\r\n广告高=250\r\n", {343, 235}, {350, 250}},
        {"广告宽=0\r\n广告高=-5\r\n", {343, 241}, {350, 250}},
        {"广告宽=\r\n广告高=nan\r\n", {343, 241}, {350, 250}},
        {"广告宽=5000\r\n广告高=250\r\n", {1348, 235}, {1366, 250}},
        {"广告宽=300\r\n广告高=1e9\r\n", {296, 722}, {300, 768}},
        {"广告宽=+300\r\n广告高= 250 \r\n", {296, 235}, {300, 250}},
    };
    for (const Case& c : cases) {
        writeSizes(c.keys);
        tan popup(platform);
        popup.Form_Load();
        const Rect window = popup.form().geometry();
        EXPECT_EQ((platform::Size{window.width(), window.height()}), c.window) << c.keys;
        EXPECT_EQ((platform::Size{popup.w->geometry().width(), popup.w->geometry().height()}), c.page) << c.keys;
        EXPECT_GE(window.left, 0) << c.keys;
        EXPECT_GE(window.top, 0) << c.keys;
    }
}

// Closing takes the window off the screen: the pop-up unloads, the exit
// advertisement stays loaded for its last timer. Frames of the portal's
// origin may close it, frames of other sites may not.
TEST_F(AdWindowsTest, ACloseCommandAnywhereInAnyCaseFromThePortalClosesTheWindow) {
    struct Case {
        const char* url;
        platform::NavigationSource source;
        bool closes;
        bool loads;
    };
    const Case cases[] = {
        {"CLOSE://", {}, true, false},
        {"appclose://now", {}, true, false},
        {"http://portal.test/tcab/zelad/tan/?next=Close://", {}, true, false},
        {"http://portal.test/tcab/zelad/tan/?id=1", {}, false, true},
        {"colse://", {}, false, false},  // another window's command: it never loads
        {"close://", {"http://portal.test"}, true, false},
        {"close://", {"http://ads.test"}, false, false},
    };
    for (const Case& c : cases) {
        tan popup(platform);
        popup.Form_Load();
        popup.Show("http://portal.test/tcab/zelad/tan/?id=2", nullptr);
        tui exit(platform);
        exit.Form_Load();
        exit.show();
        for (AdWindowDesign* window : {static_cast<AdWindowDesign*>(&popup), static_cast<AdWindowDesign*>(&exit)}) {
            const std::string what = c.url + (" from " + c.source.origin);
            EXPECT_EQ(pane(*window).raiseBeforeNavigate(c.url, c.source), c.closes) << what;
            EXPECT_EQ(simForm(*window).visible(), !c.closes) << what;
            EXPECT_EQ(pane(*window).locationUrl() == c.url, c.loads) << what;
        }
    }
}

TEST_F(AdWindowsTest, ALinkOpeningANewWindowIsLeftToTheBrowserAndClosesTheWindow) {
    tan popup(platform);
    popup.Form_Load();
    popup.Show("http://portal.test/tcab/zelad/tan/?id=2", nullptr);
    tui exit(platform);
    exit.Form_Load();
    exit.show();
    for (AdWindowDesign* window : {static_cast<AdWindowDesign*>(&popup), static_cast<AdWindowDesign*>(&exit)}) {
        EXPECT_FALSE(pane(*window).fullScreenAllowed()) << "an advertisement never takes the screen";
        EXPECT_FALSE(pane(*window).raiseNewWindow("http://shop.test/"));
        EXPECT_FALSE(pane(*window).raiseNewWindow2());
        EXPECT_FALSE(simForm(*window).visible());
    }
}

TEST_F(AdWindowsTest, ThePopUpShowsOnlyWebPagesSilently) {
    tan popup(platform);
    popup.Form_Load();
    popup.Show("file:///etc/passwd", nullptr);
    EXPECT_TRUE(pane(popup).navigations().empty());
    EXPECT_FALSE(simForm(popup).shown());

    popup.Show("http://portal.test/tcab/zelad/tan/?id=2", nullptr);
    EXPECT_EQ(pane(popup).locationUrl(), "http://portal.test/tcab/zelad/tan/?id=2");
    EXPECT_TRUE(popup.w->silent());
    EXPECT_TRUE(simForm(popup).shown());
}

// The main window has reported a built-in portal already: the exit page
// adds no second report.
TEST_F(AdWindowsTest, TheExitPageComesFromAUsablePortalAddressEvenWithoutSizes) {
    struct Case {
        const char* portal;
        Calls navigations;
    };
    const Case cases[] = {
        {"http://mirror.test", {"http://mirror.test/tcab/zelad/tui/?id=1"}},
        {"javascript:alert(1)//", {"http://portal.test/tcab/zelad/tui/?id=1"}},
        {"", {"http://portal.test/tcab/zelad/tui/?id=1"}},
    };
    for (const Case& c : cases) {
        writeSizes("", c.portal);
        tui exit(platform);
        std::ostringstream log;
        std::streambuf* const previous = std::clog.rdbuf(log.rdbuf());
        exit.Form_Load();
        std::clog.rdbuf(previous);
        EXPECT_EQ(log.str(), "") << c.portal;
        EXPECT_EQ(pane(exit).navigations(), c.navigations) << c.portal;
        EXPECT_TRUE(exit.T1->enabled()) << c.portal;
    }
}

// The exit advertisement ends "orvelkan.exe" 4 s after it loaded and again
// 4 s after it closed; after the second the client ends as the other exit does.
// Closed, it leaves the screen but stays loaded, so that a platform ending the
// program with its last window still runs the terminations.
TEST_F(AdWindowsTest, TheSiblingPlayerEndsFourSecondsAfterTheCloseAndTheClientWithIt) {
    Calls allPlayers(startup::kAllPlayers.begin(), startup::kAllPlayers.end());
    Calls atClose{"orvelkan.exe"};
    atClose.insert(atClose.end(), allPlayers.begin(), allPlayers.end());
    const auto byPage = [](tui& exit) { as<SimBrowser>(*exit.w).raiseBeforeNavigate("close://"); };
    const auto byWindowManager = [](tui& exit) {
        exit.form().sendMessage(platform::msg::SysCommand, platform::syscmd::Close, 0);
    };
    struct Case {
        std::int64_t closeAt;
        Calls whileOpen;
        std::function<void(tui&)> close;
    };
    const Case cases[] = {{1000, {}, byPage}, {6000, {"orvelkan.exe"}, byPage}, {1000, {}, byWindowManager}};
    for (const Case& c : cases) {
        platform::sim::SimPlatform own{profile, codePage, dir.app(), commandSchemes(), kPortal, kCheckUrl};
        platform::Platform p = own.platform();
        tui exit(p);
        exit.Form_Load();
        exit.show();
        own.advance(c.closeAt);
        EXPECT_EQ(own.processes().terminations(), c.whileOpen);
        c.close(exit);
        EXPECT_FALSE(exit.form().visible()) << c.closeAt;
        EXPECT_FALSE(simForm(exit).closed()) << c.closeAt;

        own.advance(3999);
        EXPECT_EQ(own.processes().terminations(), c.whileOpen) << c.closeAt;
        EXPECT_FALSE(own.application().ended()) << c.closeAt;
        own.advance(1);
        Calls expected = c.whileOpen;
        expected.insert(expected.end(), atClose.begin(), atClose.end());
        EXPECT_EQ(own.processes().terminations(), expected) << c.closeAt;
        EXPECT_TRUE(own.application().ended()) << c.closeAt;
        EXPECT_TRUE(own.processes().starts().empty()) << c.closeAt;
    }
}

}  // namespace
}  // namespace fluvane::windows

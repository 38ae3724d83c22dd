#include "form1_fixture.h"

namespace fluvane::mainwindow {
namespace {

using platform::Rect;
using Calls = std::vector<std::string>;

class ListAdTest : public Form1Fixture {
protected:
    bool listAdShown() { return controls().listad1->UserControl.visible(); }
    platform::sim::SimBrowser& listAdPage() {
        return platform::sim::as<platform::sim::SimBrowser>(controls().listad1->w);
    }
};

// 广告倒计时 shows the list advertisement only with a countdown that runs.
TEST_F(ListAdTest, ThePlayCountdownBringsTheAdvertisementOnlyWhenItRuns) {
    for (const bool huangchong : {true, false}) {
        Form1Design& f = load();
        form->listcose();
        Form1Inside::values(*form).huangchong = huangchong;
        form->广告倒计时();
        EXPECT_EQ(f.vip->visible(), huangchong);
        EXPECT_EQ(listAdShown(), huangchong);
    }
}

// The advertisement takes its room from the list, right under it; closed, it
// hands the room back.
TEST_F(ListAdTest, TheListAdvertisementSitsUnderTheListOrGivesItsRoomBack) {
    Form1Design& f = load();
    form->listcose();
    EXPECT_FALSE(listAdShown());
    EXPECT_EQ(f.SFPlayList1Window->geometry(), Rect::fromSize(0, 45, 250, 536));

    form->广告倒计时();
    EXPECT_TRUE(listAdShown());
    EXPECT_EQ(f.SFPlayList1Window->geometry(), Rect::fromSize(0, 45, 250, 359));
    EXPECT_EQ(f.listad1->UserControl.geometry(), Rect::fromSize(30, 404, 185, 177));
}

// Closed at 10:00, it is back at 10:02, then every ten minutes, whether it
// was closed again or not.
TEST_F(ListAdTest, AClosedListAdvertisementComesBackAfterTwoMinutesThenEveryTen) {
    load();
    ASSERT_TRUE(listAdPage().raiseBeforeNavigate("http://ads.test/x?go=APPCLOSE://now")) << "cancelled";
    EXPECT_FALSE(listAdShown());
    EXPECT_TRUE(Form1Inside::zai(*form).enabled());

    const std::int64_t closed = sim.clock().now();
    const auto shownAt = [&](std::int64_t secondsAfter) {
        sim.advance(closed + secondsAfter * 1000 - sim.clock().now());
        return listAdShown();
    };
    EXPECT_FALSE(shownAt(119));
    EXPECT_TRUE(shownAt(120));
    form->listcose();
    EXPECT_FALSE(shownAt(719));
    EXPECT_TRUE(shownAt(720));
    EXPECT_TRUE(shownAt(1319)) << "not closed again";
    form->listcose();
    EXPECT_FALSE(shownAt(1319));
    EXPECT_TRUE(shownAt(1320));
}

// The page comes from the portal address fixed in the program, once, and
// never shows a script-error dialog; frames of other sites cannot close it.
TEST_F(ListAdTest, TheListAdvertisementShowsTheFixedPortalPageSilently) {
    writeGbk("zelhe.db", "[澜映软件配置]\r\n域名=http://other.test\r\n");
    load();
    sim.advance(10000);
    EXPECT_EQ(listAdPage().navigations(), Calls{"http://portal.test/tcab/zelad/listad.html"});
    EXPECT_TRUE(listAdPage().silent());
    listAdPage().setSilent(false);
    listAdPage().raiseDownloadBegin();
    EXPECT_TRUE(listAdPage().silent());
    EXPECT_FALSE(listAdPage().raiseBeforeNavigate("http://ads.test/next.html"));
    EXPECT_FALSE(listAdPage().raiseBeforeNavigate("close://", {"http://ads.test"}));
    EXPECT_TRUE(listAdShown());
}

}  // namespace
}  // namespace fluvane::mainwindow

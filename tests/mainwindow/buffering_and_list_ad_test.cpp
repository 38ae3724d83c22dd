#include "form1_fixture.h"

namespace fluvane::mainwindow {
namespace {

using platform::Rect;
using Calls = std::vector<std::string>;

class Form1BufferingTest : public Form1Fixture {
protected:
    bool listAdShown() { return controls().listad1->UserControl.visible(); }
    platform::sim::SimBrowser& listAdPage() { return platform::sim::as<platform::sim::SimBrowser>(controls().listad1->w); }
};

// 75 seconds read 14 first (74 within the
// minute), run down to 0, then round the minute from 59; the overlay goes
// when the whole time has run out.
TEST_F(Form1BufferingTest, TheCountdownShowsSecondsWithinTheMinuteAndHidesAtZero) {
    Form1Design& f = load();
    Form1Inside::values(*form).da = 75;
    form->广告倒计时();
    EXPECT_TRUE(f.vip->visible());
    EXPECT_TRUE(listAdShown());
    EXPECT_EQ(Form1Inside::Timer8(*form).interval(), 1160);

    Calls shown;
    for (int tick = 0; tick < 75; ++tick) {
        ASSERT_TRUE(f.vip->visible()) << "tick " << tick;
        sim.advance(1160);
        shown.push_back(f.tip->caption());
    }
    Calls expected;
    for (int n = 14; n >= 0; --n) expected.push_back(" " + std::to_string(n) + " 秒");
    for (int n = 59; n >= 0; --n) expected.push_back(" " + std::to_string(n) + " 秒");
    EXPECT_EQ(shown, expected);
    EXPECT_FALSE(f.vip->visible());
    EXPECT_FALSE(Form1Inside::Timer8(*form).enabled());
}

// Without a usable time the countdown would never reach 0 and would leave the
// overlay up for ever: it counts as the switch off.
TEST_F(Form1BufferingTest, SwitchedOffOrWithoutAUsableTimeNothingShows) {
    struct Case {
        bool huangchong;
        std::optional<std::int32_t> da;
    };
    for (const Case c : {Case{false, 15}, Case{true, std::nullopt}}) {
        Form1Design& f = load();
        form->listcose();
        Form1Inside::values(*form).huangchong = c.huangchong;
        Form1Inside::values(*form).da = c.da;
        form->广告倒计时();
        sim.advance(5000);
        EXPECT_FALSE(f.vip->visible()) << c.huangchong << "/" << c.da.value_or(0);
        EXPECT_FALSE(Form1Inside::Timer8(*form).enabled()) << c.huangchong << "/" << c.da.value_or(0);
        EXPECT_FALSE(listAdShown()) << c.huangchong << "/" << c.da.value_or(0);
    }
}

// The advertisement takes its room from the list, right under it; closed, it
// hands the room back.
TEST_F(Form1BufferingTest, TheListAdvertisementSitsUnderTheListOrGivesItsRoomBack) {
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
TEST_F(Form1BufferingTest, AClosedListAdvertisementComesBackAfterTwoMinutesThenEveryTen) {
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
TEST_F(Form1BufferingTest, TheListAdvertisementShowsTheFixedPortalPageSilently) {
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

#include "mainwindow/buffering_countdown.h"

#include "support/app_fixture.h"

#include <gtest/gtest.h>

namespace fluvane::mainwindow {
namespace {

using Calls = std::vector<std::string>;

class BufferingCountdownTest : public testsupport::AppTest {
protected:
    BufferingCountdownTest() { vip.setVisible(false); }

    ServerValues values;
    std::unique_ptr<platform::Form> window = platform.ui.createForm();
    platform::Surface& vip = window->addSurface();
    platform::Label& tip = vip.addLabel();
    BufferingCountdown countdown{platform.ui, *window, vip, tip, values};
};

// 75 seconds read 14 first (74 within the minute), run down to 0, then round
// the minute from 59, a tick every 1.16 s; the overlay goes when the whole
// time has run out.
TEST_F(BufferingCountdownTest, TheCountdownShowsSecondsWithinTheMinuteAndHidesAtZero) {
    values.huangchong = true;
    values.da = 75;
    ASSERT_TRUE(countdown.start());
    EXPECT_TRUE(vip.visible());

    Calls shown;
    for (int tick = 0; tick < 75; ++tick) {
        ASSERT_TRUE(vip.visible()) << "tick " << tick;
        sim.advance(1160);
        shown.push_back(tip.caption());
    }
    Calls expected;
    for (int n = 14; n >= 0; --n) expected.push_back(" " + std::to_string(n) + " 秒");
    for (int n = 59; n >= 0; --n) expected.push_back(" " + std::to_string(n) + " 秒");
    EXPECT_EQ(shown, expected);
    EXPECT_FALSE(vip.visible());
    sim.advance(10'000);
    EXPECT_EQ(tip.caption(), " 0 秒") << "stopped";
}

// Without a usable time the countdown would never reach 0 and would leave the
// overlay up for ever: it counts as the switch off.
TEST_F(BufferingCountdownTest, SwitchedOffOrWithoutAUsableTimeNothingShows) {
    struct Case {
        bool huangchong;
        std::optional<std::int32_t> da;
    };
    for (const Case c : {Case{false, 15}, Case{true, std::nullopt}}) {
        values.huangchong = c.huangchong;
        values.da = c.da;
        EXPECT_FALSE(countdown.start()) << c.huangchong << "/" << c.da.value_or(0);
        sim.advance(5000);
        EXPECT_FALSE(vip.visible()) << c.huangchong << "/" << c.da.value_or(0);
        EXPECT_EQ(tip.caption(), "") << c.huangchong << "/" << c.da.value_or(0);
    }
}

}  // namespace
}  // namespace fluvane::mainwindow

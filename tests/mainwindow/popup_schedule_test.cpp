#include "mainwindow/popup_schedule.h"

#include "support/app_fixture.h"
#include "support/recording_windows.h"

#include <gtest/gtest.h>

namespace fluvane::mainwindow {
namespace {

using Calls = std::vector<std::string>;

class PopupScheduleTest : public testsupport::AppTest {
protected:
    PopupScheduleTest() { values.dizhi = "http://portal.test"; }

    ServerValues values;
    testsupport::RecordingWindows windows;
    std::unique_ptr<platform::Form> window = platform.ui.createForm();
    PopupSchedule schedule{platform.ui, *window, windows, values};
};

TEST_F(PopupScheduleTest, PopUpsComeAfterTheFirstDelayThenAtTheInterval) {
    values.ad = true;
    values.L1 = 60;
    values.l2 = 300;
    schedule.start();

    sim.advance(59'000);
    EXPECT_TRUE(windows.calls.empty());
    sim.advance(1000);
    EXPECT_EQ(windows.calls, Calls{"popup http://portal.test/tcab/zelad/tan/?id=2"});
    for (const std::int64_t at : {360'000, 660'000}) {
        const std::size_t before = windows.calls.size();
        sim.advance(at - 1 - sim.now());
        EXPECT_EQ(windows.calls.size(), before) << at;
        sim.advance(1);
        ASSERT_EQ(windows.calls.size(), before + 1) << at;
        EXPECT_EQ(windows.calls.back(), "popup http://portal.test/tcab/zelad/tan/?id=1") << at;
    }
    schedule.stop();
    sim.advance(600'000);
    EXPECT_EQ(windows.calls.size(), 3u) << "stopped";
}

// Switched off, or without a usable first delay, no pop-up comes; after the
// first, no usable interval means no more.
TEST_F(PopupScheduleTest, OffOrWithoutUsableTimesNoPopUpComes) {
    struct Case {
        bool ad;
        std::optional<std::int32_t> L1;
        std::optional<std::int32_t> l2;
        Calls calls;
    };
    const Case cases[] = {{false, 1, 1, {}},
                          {true, std::nullopt, 1, {}},
                          {true, 2, std::nullopt, {"popup http://portal.test/tcab/zelad/tan/?id=2"}}};
    for (const Case& c : cases) {
        values.ad = c.ad;
        values.L1 = c.L1;
        values.l2 = c.l2;
        testsupport::RecordingWindows quiet;
        PopupSchedule other{platform.ui, *window, quiet, values};
        other.start();
        sim.advance(30'000);
        EXPECT_EQ(quiet.calls, c.calls) << c.ad << " " << c.L1.value_or(0) << " " << c.l2.value_or(0);
        other.stop();
    }
}

}  // namespace
}  // namespace fluvane::mainwindow

#include "sim_fixture.h"

#include <string>
#include <utility>
#include <vector>

namespace fluvane::platform::sim::testing {
namespace {

using Ticks = std::vector<std::pair<std::string, std::int64_t>>;

class ClockTest : public SimTest {
protected:
    std::unique_ptr<platform::Timer> timer(const std::string& name, int interval) {
        auto made = ui().createTimer();
        made->setInterval(interval);
        made->tick = [this, name] { ticks.emplace_back(name, sim->now()); };
        return made;
    }
    Ticks ticks;
};

TEST_F(ClockTest, TicksAtEachDueTimeReadingThatTime) {
    auto a = timer("a", 100);
    a->setEnabled(true);
    sim->advance(350);
    EXPECT_EQ(ticks, (Ticks{{"a", 100}, {"a", 200}, {"a", 300}}));
    EXPECT_EQ(sim->now(), 350);
}

TEST_F(ClockTest, ZeroIntervalOrDisabledNeverTicks) {
    auto zero = timer("zero", 0);
    zero->setEnabled(true);
    auto off = timer("off", 10);
    sim->advance(1000);
    EXPECT_TRUE(ticks.empty());
}

TEST_F(ClockTest, TimerDisabledByAnEarlierTickInTheSameAdvanceDoesNotTick) {
    auto victim = timer("victim", 100);
    auto killer = ui().createTimer();
    killer->setInterval(100);
    killer->tick = [&] {
        ticks.emplace_back("killer", sim->now());
        victim->setEnabled(false);
    };
    killer->setEnabled(true);
    victim->setEnabled(true);
    sim->advance(500);
    EXPECT_EQ(ticks, (Ticks{{"killer", 100}, {"killer", 200}, {"killer", 300}, {"killer", 400}, {"killer", 500}}));
}

TEST_F(ClockTest, TimerEnabledInATickWaitsItsIntervalFromThen) {
    auto later = timer("later", 30);
    auto starter = ui().createTimer();
    starter->setInterval(100);
    starter->tick = [&] {
        ticks.emplace_back("starter", sim->now());
        starter->setEnabled(false);
        later->setEnabled(true);
    };
    starter->setEnabled(true);
    sim->advance(170);
    EXPECT_EQ(ticks, (Ticks{{"starter", 100}, {"later", 130}, {"later", 160}}));
}

TEST_F(ClockTest, ReEnablingRestartsTheWait) {
    auto a = timer("a", 100);
    a->setEnabled(true);
    sim->advance(60);
    a->setEnabled(false);
    a->setEnabled(true);
    sim->advance(99);
    EXPECT_TRUE(ticks.empty());
    sim->advance(1);
    EXPECT_EQ(ticks, (Ticks{{"a", 160}}));
}

TEST_F(ClockTest, SleepInsideATickDelaysOtherTimersToOneTickAfterIt) {
    auto other = timer("other", 100);
    auto sleeper = ui().createTimer();
    sleeper->setInterval(100);
    sleeper->tick = [&] {
        ticks.emplace_back("sleeper", sim->now());
        ui().sleep(250);
    };
    sleeper->setEnabled(true);
    other->setEnabled(true);
    sim->advance(100);
    EXPECT_EQ(ticks, (Ticks{{"sleeper", 100}, {"other", 350}}));
    EXPECT_EQ(sim->now(), 350);
}

TEST_F(ClockTest, TimerDestroyedByItsOwnTickIsSafe) {
    std::vector<std::string> seen;
    auto a = ui().createTimer();
    a->setInterval(10);
    // The handler's own state is read after the timer is gone.
    a->tick = [&a, &seen, name = std::string("only tick")] {
        a.reset();
        seen.push_back(name);
    };
    a->setEnabled(true);
    sim->advance(100);
    EXPECT_EQ(seen, std::vector<std::string>{"only tick"});
}

}  // namespace
}  // namespace fluvane::platform::sim::testing

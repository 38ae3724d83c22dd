#pragma once

#include "contract_fixture.h"

#include "platform/timer.h"

#include <utility>

namespace fluvane::platform::contract {

// Real time passes on some platforms: the intervals leave room for a loaded machine.
template <class Driver>
class TimerContract : public PlatformContract<Driver> {
protected:
    std::unique_ptr<Timer> timer(const std::string& name, int interval) {
        auto made = this->driver.ui().createTimer();
        made->setInterval(interval);
        made->tick = [this, name] { ticks.emplace_back(name, this->driver.now()); };
        return made;
    }

    std::vector<std::pair<std::string, std::int64_t>> ticks;
};

TYPED_TEST_SUITE_P(TimerContract);

TYPED_TEST_P(TimerContract, SwitchingOnATimerThatIsOnKeepsItsWait) {
    const auto a = this->timer("a", 300);
    const std::int64_t start = this->driver.now();
    a->setEnabled(true);
    this->driver.advance(180);
    a->setEnabled(true);
    this->driver.advance(180);
    ASSERT_FALSE(this->ticks.empty());
    EXPECT_LT(this->ticks.front().second - start, 450) << "a restarted wait would end at 480";
}

TYPED_TEST_P(TimerContract, ChangingTheIntervalOfAnEnabledTimerRestartsItsWait) {
    const auto a = this->timer("a", 300);
    a->setEnabled(true);
    this->driver.advance(180);
    const std::int64_t changed = this->driver.now();
    a->setInterval(200);
    this->driver.advance(400);
    ASSERT_FALSE(this->ticks.empty());
    EXPECT_GE(this->ticks.front().second - changed, 198) << "the old wait would end 120 after the change";
}

TYPED_TEST_P(TimerContract, ATickDueDuringABlockArrivesOnceAfterwardsAndThePeriodStartsAgain) {
    const auto a = this->timer("a", 100);
    a->setEnabled(true);
    this->driver.ui().sleep(450);
    EXPECT_TRUE(this->ticks.empty()) << "nothing ticks while the thread is blocked";
    this->driver.ui().processEvents();
    EXPECT_EQ(this->ticks.size(), 1u);
    this->driver.advance(40);
    EXPECT_EQ(this->ticks.size(), 1u) << "the next tick is a whole period after the late one";
}

TYPED_TEST_P(TimerContract, EqualDueTimesTickInTheOrderTheirWaitsBegan) {
    const auto first = this->timer("first", 100);
    const auto second = this->timer("second", 100);
    second->setEnabled(true);
    first->setEnabled(true);
    this->driver.advance(150);
    ASSERT_GE(this->ticks.size(), 2u);
    EXPECT_EQ(this->ticks[0].first, "second");
    EXPECT_EQ(this->ticks[1].first, "first");
}

// A window's timers die with it, even while the logic keeps them.
TYPED_TEST_P(TimerContract, AWindowsTimerStopsForGoodWhenTheWindowCloses) {
    auto window = this->driver.ui().createTimer(*this->form);
    window->setInterval(100);
    window->tick = [this] { this->ticks.emplace_back("window", this->driver.now()); };
    const auto free = this->timer("free", 100);
    window->setEnabled(true);
    free->setEnabled(true);
    this->form->close();
    EXPECT_FALSE(window->enabled());
    window->setEnabled(true);
    EXPECT_FALSE(window->enabled()) << "switching it on again does nothing";
    this->driver.advance(250);
    ASSERT_FALSE(this->ticks.empty());
    for (const auto& [name, at] : this->ticks) EXPECT_EQ(name, "free");
}

REGISTER_TYPED_TEST_SUITE_P(TimerContract, SwitchingOnATimerThatIsOnKeepsItsWait,
                            ChangingTheIntervalOfAnEnabledTimerRestartsItsWait,
                            ATickDueDuringABlockArrivesOnceAfterwardsAndThePeriodStartsAgain,
                            EqualDueTimesTickInTheOrderTheirWaitsBegan, AWindowsTimerStopsForGoodWhenTheWindowCloses);

}  // namespace fluvane::platform::contract

#pragma once

#include "contract_fixture.h"

namespace fluvane::platform::contract {

template <class Driver>
class FormContract : public PlatformContract<Driver> {
protected:
    // A procedure that notes its name for each message and consumes only `own`.
    WindowProcedure named(const std::string& name, std::uint32_t own, WindowProcedure& previous) {
        return [this, name, own, &previous](std::uint32_t message, std::uintptr_t w, std::intptr_t l) -> std::intptr_t {
            names.push_back(name);
            if (message == own) return 1;
            return previous(message, w, l);
        };
    }

    std::vector<std::string> names;
};

TYPED_TEST_SUITE_P(FormContract);

TYPED_TEST_P(FormContract, ProceduresChainAndComeOffWhereTheirPreviousIsPutBack) {
    auto& form = *this->form;
    WindowProcedure beforeA, beforeB, beforeC;
    beforeA = form.replaceProcedure(this->named("a", msg::User + 1, beforeA));
    beforeB = form.replaceProcedure(this->named("b", msg::User + 2, beforeB));
    beforeC = form.replaceProcedure(this->named("c", msg::User + 3, beforeC));

    EXPECT_EQ(form.sendMessage(msg::User + 2, 0, 0), 1);
    EXPECT_EQ(this->names, (std::vector<std::string>{"c", "b"}));
    this->names.clear();
    form.sendMessage(msg::SysCommand, syscmd::Minimize, 0);
    EXPECT_EQ(this->names, (std::vector<std::string>{"c", "b", "a"}));
    EXPECT_EQ(form.windowState(), WindowState::Minimized) << "the original does the default handling";

    // Putting b's previous back takes b and c off; what comes back is c.
    this->names.clear();
    const WindowProcedure replaced = form.replaceProcedure(beforeB);
    replaced(msg::User + 3, 0, 0);
    EXPECT_EQ(this->names, (std::vector<std::string>{"c"}));
    this->names.clear();
    form.sendMessage(msg::User + 3, 0, 0);
    EXPECT_EQ(this->names, (std::vector<std::string>{"a"}));

    this->names.clear();
    form.replaceProcedure(beforeA);
    form.sendMessage(msg::SysCommand, syscmd::Restore, 0);
    EXPECT_TRUE(this->names.empty());
    EXPECT_EQ(form.windowState(), WindowState::Normal);
}

TYPED_TEST_P(FormContract, AProcedureThatTakesItselfOutWhileItRunsFinishesTheMessage) {
    auto& form = *this->form;
    WindowProcedure original;
    original = form.replaceProcedure([&](std::uint32_t m, std::uintptr_t w, std::intptr_t l) {
        form.replaceProcedure(original);
        this->names.push_back("once");
        return original(m, w, l);
    });
    form.sendMessage(msg::SysCommand, syscmd::Minimize, 0);
    form.sendMessage(msg::User, 0, 0);
    EXPECT_EQ(this->names, std::vector<std::string>{"once"});
    EXPECT_EQ(form.windowState(), WindowState::Minimized);
}

TYPED_TEST_P(FormContract, CloseUnloadsThenDestroysAndAClosedFormStaysClosed) {
    auto& form = *this->form;
    Surface& child = form.addSurface();
    child.setGeometry(Rect::fromSize(0, 0, 50, 50));
    this->driver.show(form, Rect::fromSize(10, 10, 200, 100));
    child.setCapture();
    ASSERT_TRUE(child.hasCapture());
    int unloads = 0;
    form.formEvents.unload = [&] {
        ++unloads;
        EXPECT_TRUE(this->messages == std::vector<std::uint32_t>{msg::SysCommand}) << "unload comes first";
    };
    this->logMessages();

    form.sendMessage(msg::SysCommand, syscmd::Close | 3, 0);  // the low bits are the system's
    EXPECT_EQ(unloads, 1);
    EXPECT_EQ(this->messages, (std::vector<std::uint32_t>{msg::SysCommand, msg::Destroy}));
    EXPECT_FALSE(form.visible());
    EXPECT_FALSE(child.hasCapture()) << "closing ends the capture of its controls";

    form.sendMessage(msg::User, 0, 0);
    form.close();
    form.show();
    form.setWindowState(WindowState::Maximized);
    EXPECT_EQ(unloads, 1);
    EXPECT_EQ(this->messages.size(), 2u) << "a closed form takes no messages";
    EXPECT_FALSE(form.visible());
    EXPECT_EQ(form.windowState(), WindowState::Normal);
}

TYPED_TEST_P(FormContract, MaximiseTakesTheBoundsTheChainAnswersAndRestoreComesBack) {
    auto& form = *this->form;
    const Rect place = Rect::fromSize(40, 50, 300, 200);
    this->driver.show(form, place);
    int resizes = 0;
    form.events.resize = [&] { ++resizes; };
    const Size screen = this->driver.ui().screenSize();
    WindowProcedure previous;
    previous = form.replaceProcedure([&](std::uint32_t m, std::uintptr_t w, std::intptr_t l) -> std::intptr_t {
        if (m != msg::GetMinMaxInfo) return previous(m, w, l);
        auto& info = *reinterpret_cast<MinMaxInfo*>(l);
        EXPECT_EQ(info.maxPosition, (Point{0, 0})) << "the proposal is the whole screen";
        EXPECT_EQ(info.maxSize, (Point{screen.width, screen.height}));
        info.maxPosition = {5, 6};
        info.maxSize = {500, 300};
        return 0;
    });

    form.sendMessage(msg::SysCommand, syscmd::Maximize, 0);
    EXPECT_EQ(form.windowState(), WindowState::Maximized);
    EXPECT_EQ(form.geometry(), Rect::fromSize(5, 6, 500, 300));
    EXPECT_EQ(resizes, 1);
    form.sendMessage(msg::SysCommand, syscmd::Restore, 0);
    EXPECT_EQ(form.windowState(), WindowState::Normal);
    EXPECT_EQ(form.geometry(), place);
    EXPECT_EQ(resizes, 2);
}

// Restoring a minimised window lays it out again, as the original platform's
// size message after a restore does.
TYPED_TEST_P(FormContract, EachStateChangeRaisesOneResizeThatReadsTheNewState) {
    auto& form = *this->form;
    const Rect place = Rect::fromSize(40, 50, 300, 200);
    this->driver.show(form, place);
    std::vector<WindowState> seen;
    form.events.resize = [&] { seen.push_back(form.windowState()); };

    form.sendMessage(msg::SysCommand, syscmd::Minimize, 0);
    form.sendMessage(msg::SysCommand, syscmd::Restore, 0);
    EXPECT_EQ(form.geometry(), place);
    form.setWindowState(WindowState::Maximized);
    form.sendMessage(msg::SysCommand, syscmd::Minimize, 0);
    form.sendMessage(msg::SysCommand, syscmd::Restore, 0);  // back to maximised
    form.setWindowState(WindowState::Normal);
    using enum WindowState;
    EXPECT_EQ(seen, (std::vector{Minimized, Normal, Maximized, Minimized, Maximized, Normal}));
    EXPECT_EQ(form.geometry(), place);
}

REGISTER_TYPED_TEST_SUITE_P(FormContract, ProceduresChainAndComeOffWhereTheirPreviousIsPutBack,
                            AProcedureThatTakesItselfOutWhileItRunsFinishesTheMessage,
                            CloseUnloadsThenDestroysAndAClosedFormStaysClosed,
                            MaximiseTakesTheBoundsTheChainAnswersAndRestoreComesBack,
                            EachStateChangeRaisesOneResizeThatReadsTheNewState);

}  // namespace fluvane::platform::contract

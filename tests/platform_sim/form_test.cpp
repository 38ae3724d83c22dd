#include "sim_fixture.h"

#include <string>
#include <vector>

namespace fluvane::platform::sim::testing {
namespace {

namespace msg = platform::msg;
namespace syscmd = platform::syscmd;
using platform::WindowProcedure;
using platform::WindowState;

class FormTest : public SimTest {
protected:
    FormTest() : form(ui().createForm()) {
        form->setGeometry(Rect::fromSize(100, 100, 400, 300));
        form->show();
    }

    // A procedure that logs every message and consumes only `own`.
    WindowProcedure logging(const std::string& name, std::uint32_t own, WindowProcedure& previous) {
        return [this, name, own, &previous](std::uint32_t message, std::uintptr_t w, std::intptr_t l) -> std::intptr_t {
            log.push_back(name);
            if (message == own) return 1;
            return previous(message, w, l);
        };
    }

    std::unique_ptr<platform::Form> form;
    std::vector<std::string> log;
};

TEST_F(FormTest, ChainOfThreeProceduresPassesOnWhatItDoesNotConsume) {
    WindowProcedure beforeA, beforeB, beforeC;
    beforeA = form->replaceProcedure(logging("a", msg::User + 1, beforeA));
    beforeB = form->replaceProcedure(logging("b", msg::User + 2, beforeB));
    beforeC = form->replaceProcedure(logging("c", msg::User + 3, beforeC));

    EXPECT_EQ(form->sendMessage(msg::User + 2, 0, 0), 1);
    EXPECT_EQ(log, (std::vector<std::string>{"c", "b"}));

    log.clear();
    form->sendMessage(msg::SysCommand, syscmd::Minimize, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"c", "b", "a"}));
    EXPECT_EQ(form->windowState(), WindowState::Minimized) << "the original procedure does the default handling";
}

TEST_F(FormTest, RestoringTheMiddleProceduresPreviousUnhooksEverythingAfterIt) {
    WindowProcedure beforeA, beforeB, beforeC;
    beforeA = form->replaceProcedure(logging("a", msg::User + 1, beforeA));
    beforeB = form->replaceProcedure(logging("b", msg::User + 2, beforeB));
    beforeC = form->replaceProcedure(logging("c", msg::User + 3, beforeC));

    WindowProcedure replaced = form->replaceProcedure(beforeB);
    replaced(msg::User + 3, 0, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"c"})) << "the call handed back the current procedure, c";

    log.clear();
    form->sendMessage(msg::User + 3, 0, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"a"}));

    log.clear();
    form->replaceProcedure(beforeA);
    form->sendMessage(msg::SysCommand, syscmd::Maximize, 0);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(form->windowState(), WindowState::Maximized);
}

TEST_F(FormTest, ProcedureReplacedWhileHandlingAMessageFinishesTheMessage) {
    WindowProcedure original;
    original = form->replaceProcedure([&](std::uint32_t m, std::uintptr_t w, std::intptr_t l) {
        form->replaceProcedure(original);
        log.push_back("once");
        return original(m, w, l);
    });
    form->sendMessage(msg::SysCommand, syscmd::Minimize, 0);
    form->sendMessage(msg::User, 0, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"once"}));
    EXPECT_EQ(form->windowState(), WindowState::Minimized);
}

TEST_F(FormTest, SysCommandCloseUnloadsThenDestroysAndTheWindowIsGone) {
    const auto handle = form->handle();
    form->formEvents.unload = [&] { log.push_back("unload"); };
    WindowProcedure previous;
    previous = form->replaceProcedure([&](std::uint32_t m, std::uintptr_t w, std::intptr_t l) {
        if (m == msg::Destroy) log.push_back("destroy");
        if (m == msg::User) log.push_back("user");
        return previous(m, w, l);
    });
    form->sendMessage(msg::SysCommand, syscmd::Close | 3, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"unload", "destroy"}));
    EXPECT_TRUE(as<SimForm>(*form).closed());
    EXPECT_FALSE(form->visible());
    EXPECT_EQ(ui().formByHandle(handle), nullptr);
    form->sendMessage(msg::User, 0, 0);
    form->close();
    EXPECT_EQ(log.size(), 2u) << "a closed window takes no messages and unloads once";
}

TEST_F(FormTest, HandlesAreUniqueAndNonZero) {
    auto other = ui().createForm();
    EXPECT_NE(form->handle(), 0u);
    EXPECT_NE(other->handle(), form->handle());
    EXPECT_EQ(ui().formByHandle(other->handle()), other.get());
}

TEST_F(FormTest, MaximiseTakesTheGeometryTheProcedureChainGives) {
    int resizes = 0;
    form->events.resize = [&] { ++resizes; };
    WindowProcedure previous;
    previous = form->replaceProcedure([&](std::uint32_t m, std::uintptr_t w, std::intptr_t l) {
        if (m == msg::GetMinMaxInfo) {
            auto* info = reinterpret_cast<platform::MinMaxInfo*>(l);
            EXPECT_EQ(info->maxSize, (Point{1366, 768})) << "proposed: the whole screen";
            const Rect work = ui().workArea();
            info->maxPosition = {work.left, work.top};
            info->maxSize = {work.width(), work.height()};
            return std::intptr_t{0};
        }
        return previous(m, w, l);
    });
    form->setWindowState(WindowState::Maximized);
    EXPECT_EQ(form->geometry(), ui().workArea());
    EXPECT_EQ(resizes, 1);

    form->sendMessage(msg::SysCommand, syscmd::Restore, 0);
    EXPECT_EQ(form->windowState(), WindowState::Normal);
    EXPECT_EQ(form->geometry(), Rect::fromSize(100, 100, 400, 300));
}

TEST_F(FormTest, MaximiseWithoutAHookCoversTheWholeScreen) {
    form->sendMessage(msg::SysCommand, syscmd::Maximize, 0);
    EXPECT_EQ(form->geometry(), Rect::fromSize(0, 0, 1366, 768));
}

TEST_F(FormTest, RestoringAMinimisedMaximisedWindowMaximisesItAgain) {
    form->setWindowState(WindowState::Maximized);
    form->sendMessage(msg::SysCommand, syscmd::Minimize, 0);
    form->sendMessage(msg::SysCommand, syscmd::Restore, 0);
    EXPECT_EQ(form->windowState(), WindowState::Maximized);
    EXPECT_EQ(form->geometry(), Rect::fromSize(0, 0, 1366, 768));
    form->sendMessage(msg::SysCommand, syscmd::Restore, 0);
    EXPECT_EQ(form->geometry(), Rect::fromSize(100, 100, 400, 300));
    form->setWindowState(WindowState::Minimized);
    form->setWindowState(WindowState::Normal);
    EXPECT_EQ(form->geometry(), Rect::fromSize(100, 100, 400, 300));
}

TEST_F(FormTest, DragEndsWhereTheProceduresRewroteTheRectangle) {
    WindowProcedure previous;
    std::vector<Rect> proposals;
    previous = form->replaceProcedure([&](std::uint32_t m, std::uintptr_t w, std::intptr_t l) {
        if (m == msg::EnterSizeMove) log.push_back("enter");
        if (m == msg::ExitSizeMove) log.push_back("exit");
        if (m == msg::Moving) {
            auto* rect = reinterpret_cast<Rect*>(l);
            proposals.push_back(*rect);
            // Snap to the screen's left edge when within 20 pixels.
            if (rect->left < 20) *rect = Rect::fromSize(0, rect->top, rect->width(), rect->height());
        }
        return previous(m, w, l);
    });
    as<SimForm>(*form).simulateDrag(-90, 10, 2);
    EXPECT_EQ(log, (std::vector<std::string>{"enter", "exit"}));
    EXPECT_EQ(proposals, (std::vector<Rect>{Rect::fromSize(55, 105, 400, 300), Rect::fromSize(10, 110, 400, 300)}))
        << "each step proposes the start plus the pointer's offset so far";
    EXPECT_EQ(form->geometry(), Rect::fromSize(0, 110, 400, 300));
}

TEST_F(FormTest, SystemDragMoveRunsTheMoveLoop) {
    auto& simForm = as<SimForm>(*form);
    simForm.setNextDrag(30, -20);
    form->sendMessage(msg::SysCommand, syscmd::DragMove, 0);
    EXPECT_EQ(simForm.sizeMoveLoops(), 1);
    EXPECT_EQ(form->geometry(), Rect::fromSize(130, 80, 400, 300));
}

TEST_F(FormTest, ResizeDragSendsSizingWithTheDraggedEdge) {
    int resizes = 0;
    form->events.resize = [&] { ++resizes; };
    WindowProcedure previous;
    previous = form->replaceProcedure([&](std::uint32_t m, std::uintptr_t w, std::intptr_t l) {
        if (m == msg::Sizing) {
            EXPECT_EQ(w, platform::sizing::BottomLeft);
            auto* rect = reinterpret_cast<Rect*>(l);
            if (rect->width() < 350) rect->left = rect->right - 350;
        }
        return previous(m, w, l);
    });
    as<SimForm>(*form).simulateResizeDrag(platform::sizing::BottomLeft, 100, 50);
    EXPECT_EQ(form->geometry(), (Rect{150, 100, 500, 450}));
    EXPECT_EQ(resizes, 1);
}

}  // namespace
}  // namespace fluvane::platform::sim::testing

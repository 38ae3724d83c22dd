#include "platform/qt/qt_form.h"
#include "platform/qt/qt_ui.h"
#include "qt_test_application.h"

#include <QCursor>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace fluvane::platform::qt {
namespace {

using namespace platform;

class QtFormTest : public ::testing::Test {
protected:
    QtFormTest() : app(testing::testApplication("offscreen")) {}

    QWidget& widget() const { return *static_cast<QtForm&>(*form).widget(); }
    void showAt(Rect place) {
        form->setGeometry(place);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget()));
    }

    QApplication& app;
    testing::RecordingShell shell;
    QtUi ui{{}, {}, shell};
    std::unique_ptr<Form> form = ui.createForm();
};

// Each procedure notes its name and passes the message on.
WindowProcedure recorder(std::vector<std::string>& log, std::string name, WindowProcedure next) {
    return [&log, name, next](std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
        log.push_back(name);
        return next(message, wParam, lParam);
    };
}

TEST_F(QtFormTest, AFullyTransparentFormStaysOffTheScreenUntilItGetsAlpha) {
    form->setAlpha(0);
    form->show();
    EXPECT_TRUE(form->visible());
    EXPECT_TRUE(widget().isHidden());

    form->setAlpha(255);
    EXPECT_FALSE(widget().isHidden());

    form->setAlpha(0);
    EXPECT_TRUE(widget().isHidden());
    form->hide();
    form->setAlpha(128);
    EXPECT_FALSE(form->visible());
    EXPECT_TRUE(widget().isHidden());
}

TEST_F(QtFormTest, TheProgramEndsWhenItsLastFormClosesAndNotBefore) {
    std::unique_ptr<Form> hidden = ui.createForm();
    const auto run = [this](std::function<void()> step) {
        QTimer::singleShot(0, step);
        QTimer::singleShot(1000, [this] { app.exit(7); });  // nothing ended it
        return app.exec();
    };
    EXPECT_EQ(run([this] { form->close(); }), 7);
    EXPECT_EQ(run([&hidden] { hidden->close(); }), 0);
}

TEST_F(QtFormTest, ProceduresChainAndComeOffInReverse) {
    std::vector<std::string> log;
    const WindowProcedure original = form->replaceProcedure(nullptr);
    ASSERT_TRUE(original);
    const WindowProcedure tray = recorder(log, "tray", original);
    const WindowProcedure maximise = recorder(log, "maximise", tray);
    const WindowProcedure taskbar = recorder(log, "taskbar", maximise);
    EXPECT_FALSE(form->replaceProcedure(tray));
    form->replaceProcedure(maximise);
    form->replaceProcedure(taskbar);
    form->sendMessage(msg::User + 7, 0, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"taskbar", "maximise", "tray"}));

    log.clear();
    const WindowProcedure removed = form->replaceProcedure(maximise);
    removed(msg::User + 7, 0, 0);  // what came off is the last one put on
    EXPECT_EQ(log, (std::vector<std::string>{"taskbar", "maximise", "tray"}));

    log.clear();
    form->sendMessage(msg::User + 7, 0, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"maximise", "tray"}));

    log.clear();
    form->replaceProcedure(original);
    form->sendMessage(msg::User + 7, 0, 0);
    EXPECT_TRUE(log.empty());
}

TEST_F(QtFormTest, CloseGoesThroughTheProceduresToTheOriginal) {
    int unloads = 0;
    std::vector<std::uint32_t> seen;
    form->formEvents.unload = [&] { ++unloads; };
    bool consume = true;
    WindowProcedure previous;
    previous = form->replaceProcedure(
        [&](std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) -> std::intptr_t {
            seen.push_back(message);
            if (consume && message == msg::SysCommand && wParam == syscmd::Close) return 0;
            return previous(message, wParam, lParam);
        });
    showAt(Rect::fromSize(10, 10, 200, 100));

    widget().close();  // as the window manager asks
    EXPECT_EQ(unloads, 0);
    EXPECT_TRUE(widget().isVisible());
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back(), msg::SysCommand);

    consume = false;
    widget().close();
    EXPECT_EQ(unloads, 1);
    EXPECT_EQ(seen.back(), msg::Destroy);
    EXPECT_FALSE(widget().isVisible());
}

TEST_F(QtFormTest, MaximiseTakesTheBoundsAProcedureAnswers) {
    int resizes = 0;
    form->events.resize = [&] { ++resizes; };
    showAt(Rect::fromSize(40, 50, 300, 200));
    resizes = 0;
    WindowProcedure previous;
    previous = form->replaceProcedure(
        [&](std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) -> std::intptr_t {
            if (message == msg::GetMinMaxInfo) {
                auto* info = reinterpret_cast<MinMaxInfo*>(lParam);
                EXPECT_EQ(info->maxSize, (Point{ui.workArea().width(), ui.workArea().height()}));
                info->maxPosition = {5, 6};
                info->maxSize = {500, 300};
                return 0;
            }
            return previous(message, wParam, lParam);
        });

    form->sendMessage(msg::SysCommand, syscmd::Maximize, 0);
    EXPECT_EQ(form->windowState(), WindowState::Maximized);
    EXPECT_EQ(form->geometry(), Rect::fromSize(5, 6, 500, 300));
    EXPECT_EQ(resizes, 1);

    form->sendMessage(msg::SysCommand, syscmd::Restore, 0);
    EXPECT_EQ(form->windowState(), WindowState::Normal);
    EXPECT_EQ(form->geometry(), Rect::fromSize(40, 50, 300, 200));
    EXPECT_EQ(resizes, 2);
}

TEST_F(QtFormTest, RestoringReportsTheNormalStateAndComesBackToTheNormalPlace) {
    showAt(Rect::fromSize(40, 50, 300, 200));
    std::vector<WindowState> statesOnResize;
    form->events.resize = [&] { statesOnResize.push_back(form->windowState()); };
    form->setWindowState(WindowState::Maximized);
    form->setWindowState(WindowState::Normal);
    EXPECT_EQ(statesOnResize, (std::vector{WindowState::Maximized, WindowState::Normal}));
    EXPECT_EQ(form->geometry(), Rect::fromSize(40, 50, 300, 200));

    // Maximised from the minimised state, it still knows where it was.
    form->setGeometry(Rect::fromSize(60, 70, 320, 210));
    form->setWindowState(WindowState::Minimized);
    form->setWindowState(WindowState::Maximized);
    EXPECT_EQ(form->windowState(), WindowState::Maximized);
    form->setWindowState(WindowState::Normal);
    EXPECT_EQ(form->geometry(), Rect::fromSize(60, 70, 320, 210));
}

TEST_F(QtFormTest, AClosedFormStaysClosedAndGetsNoMessages) {
    int unloads = 0;
    std::vector<std::uint32_t> seen;
    form->formEvents.unload = [&] { ++unloads; };
    WindowProcedure previous;
    previous = form->replaceProcedure(
        [&](std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
            seen.push_back(message);
            return previous(message, wParam, lParam);
        });
    showAt(Rect::fromSize(10, 10, 200, 100));
    form->close();
    form->close();
    form->sendMessage(msg::SysCommand, syscmd::Maximize, 0);
    form->show();
    EXPECT_EQ(unloads, 1);
    EXPECT_EQ(seen, std::vector<std::uint32_t>{msg::Destroy});
    EXPECT_EQ(form->windowState(), WindowState::Normal);
    EXPECT_FALSE(form->visible());
}

TEST_F(QtFormTest, ClosingAFormEndsTheCaptureOfItsControls) {
    Surface& child = form->addSurface();
    child.setGeometry(Rect::fromSize(0, 0, 50, 50));
    showAt(Rect::fromSize(10, 10, 200, 100));
    child.setCapture();
    ASSERT_TRUE(child.hasCapture());
    form->close();
    EXPECT_FALSE(child.hasCapture());
}

TEST_F(QtFormTest, DragMoveRunsAMoveLoopWhoseRectanglesProceduresRewrite) {
    showAt(Rect::fromSize(100, 100, 300, 200));
    std::vector<std::uint32_t> seen;
    WindowProcedure previous;
    previous = form->replaceProcedure(
        [&](std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) -> std::intptr_t {
            seen.push_back(message);
            if (message == msg::Moving) {
                auto* proposed = reinterpret_cast<Rect*>(lParam);
                if (proposed->left < 20) {  // snap to the screen's left edge
                    *proposed = Rect::fromSize(0, proposed->top, proposed->width(),
                                               proposed->height());
                }
                return 1;
            }
            return previous(message, wParam, lParam);
        });
    QWindow& window = *widget().windowHandle();

    // Without a button held there is nothing to drag.
    form->sendMessage(msg::SysCommand, syscmd::DragMove, 0);
    EXPECT_EQ(seen, std::vector<std::uint32_t>{msg::SysCommand});

    seen.clear();
    QCursor::setPos(150, 150);
    QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(50, 50));
    form->sendMessage(msg::SysCommand, syscmd::DragMove, 0);
    // Positions of mouse events are relative to the window, which moves.
    const auto local = [&](QPoint screen) { return screen - widget().geometry().topLeft(); };
    QTest::mouseMove(&window, local({180, 170}));
    EXPECT_EQ(form->geometry(), Rect::fromSize(130, 120, 300, 200));
    QTest::mouseMove(&window, local({60, 150}));  // proposes left 10
    EXPECT_EQ(form->geometry(), Rect::fromSize(0, 100, 300, 200));
    QTest::mouseRelease(&window, Qt::LeftButton, {}, local({60, 150}));
    const std::vector<std::uint32_t> expected{msg::SysCommand, msg::EnterSizeMove, msg::Moving,
                                              msg::Moving, msg::ExitSizeMove};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST_F(QtFormTest, SizeCommandRunsASizeLoopWhoseRectanglesProceduresRewrite) {
    showAt(Rect::fromSize(100, 100, 300, 200));
    std::vector<std::uint32_t> seen;
    std::vector<std::uintptr_t> edges;
    WindowProcedure previous;
    previous = form->replaceProcedure(
        [&](std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) -> std::intptr_t {
            seen.push_back(message);
            if (message == msg::Sizing) {
                edges.push_back(wParam);
                auto* proposed = reinterpret_cast<Rect*>(lParam);
                proposed->right = std::max(proposed->right, proposed->left + 250);  // a minimum width
                return 1;
            }
            return previous(message, wParam, lParam);
        });
    QWindow& window = *widget().windowHandle();
    const auto local = [&](QPoint screen) { return screen - widget().geometry().topLeft(); };
    QCursor::setPos(399, 299);
    QTest::mousePress(&window, Qt::LeftButton, {}, local({399, 299}));
    form->sendMessage(msg::SysCommand, syscmd::Size | sizing::BottomRight, 0);
    QTest::mouseMove(&window, local({419, 309}));
    EXPECT_EQ(form->geometry(), Rect::fromSize(100, 100, 320, 210));
    QTest::mouseMove(&window, local({299, 309}));  // proposes a width of 200
    EXPECT_EQ(form->geometry(), Rect::fromSize(100, 100, 250, 210));
    QTest::mouseRelease(&window, Qt::LeftButton, {}, local({299, 309}));
    const std::vector<std::uint32_t> expected{msg::SysCommand, msg::EnterSizeMove, msg::Sizing,
                                              msg::Sizing, msg::ExitSizeMove};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(edges, (std::vector<std::uintptr_t>{sizing::BottomRight, sizing::BottomRight}));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

}  // namespace
}  // namespace fluvane::platform::qt

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

TEST_F(QtFormTest, TheWindowManagersMinimiseAndRestoreReachTheFormAsAResize) {
    showAt(Rect::fromSize(40, 50, 300, 200));
    std::vector<WindowState> seen;
    form->events.resize = [&] { seen.push_back(form->windowState()); };
    widget().showMinimized();
    widget().showNormal();
    EXPECT_EQ(seen, (std::vector{WindowState::Minimized, WindowState::Normal}));
}

TEST_F(QtFormTest, ARoundedRegionCutsTheCornersAsItsEllipsesDo) {
    showAt(Rect::fromSize(0, 0, 100, 60));
    form->setRegion(RoundedRect{{0, 0, 101, 260}, {5, 5}});
    const QRegion mask = widget().mask();
    EXPECT_FALSE(mask.contains(QPoint(0, 0)));
    EXPECT_FALSE(mask.contains(QPoint(100, 0)));
    EXPECT_TRUE(mask.contains(QPoint(1, 0)));
    EXPECT_TRUE(mask.contains(QPoint(0, 1)));
    EXPECT_TRUE(mask.contains(QPoint(99, 59))) << "the bottom corners lie below the window";
    EXPECT_FALSE(mask.contains(QPoint(101, 10)));

    form->setRegion(RoundedRect{{0, 0, 100, 60}, {}});
    EXPECT_EQ(widget().mask(), QRegion(0, 0, 100, 60));
    form->setRegion(std::nullopt);
    EXPECT_TRUE(widget().mask().isEmpty());
}

// As the main window's bottom strip does: a move with the button down hands
// the window to the move loop, which takes the release.
TEST_F(QtFormTest, AfterAMoveLoopThePointerGoesToWhatItPointsAtAgain) {
    Surface& strip = form->addSurface();
    strip.setGeometry(Rect::fromSize(0, 0, 100, 50));
    Surface& other = form->addSurface();
    other.setGeometry(Rect::fromSize(0, 60, 100, 50));
    showAt(Rect::fromSize(100, 100, 200, 120));
    int stripMoves = 0;
    int otherMoves = 0;
    strip.events.mouseMove = [&](const MouseEvent& e) {
        ++stripMoves;
        if (e.button & button::Left) form->sendMessage(msg::SysCommand, syscmd::DragMove, 0);
    };
    other.events.mouseMove = [&](const MouseEvent&) { ++otherMoves; };
    QWindow* window = widget().windowHandle();
    QCursor::setPos(window->mapToGlobal(QPoint(10, 10)));
    QCoreApplication::processEvents();
    QTest::mousePress(window, Qt::LeftButton, {}, QPoint(10, 10));
    QTimer::singleShot(0, [window] {
        const QPoint to = window->mapToGlobal(QPoint(40, 10));  // 30 right of where the loop began
        QTest::mouseMove(window, QPoint(40, 10));
        QTest::mouseRelease(window, Qt::LeftButton, {}, window->mapFromGlobal(to));
    });
    QTest::mouseMove(window, QPoint(11, 10));
    EXPECT_EQ(form->geometry(), Rect::fromSize(130, 100, 200, 120));

    stripMoves = 0;
    QTest::mouseMove(window, QPoint(20, 80));
    EXPECT_EQ(otherMoves, 1);
    EXPECT_EQ(stripMoves, 0);
}

}  // namespace
}  // namespace fluvane::platform::qt

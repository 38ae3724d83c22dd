// The main window of the real client on the Qt platform, on an X server of
// its own without a window manager but with a bottom panel's work area, moved
// and clicked with real input (xdotool). Screenshots go to FLUVANE_SCREENSHOT_DIR.
#include "main_window_fixture.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_convert.h"

#include <QApplication>
#include <QLabel>
#include <QProcess>

#include <algorithm>

namespace fluvane::platform::qt {
namespace {

using namespace platform;

constexpr int kPatience = 15000;  // ms

// Real input through the X server. The commands run while the program goes
// on handling events, so a modal loop they start can also end.
void xdotool(const QStringList& commands) {
    QProcess process;
    process.start(QStringLiteral("xdotool"), commands);
    ASSERT_TRUE(process.waitForStarted());
    ASSERT_TRUE(QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, kPatience));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
}

QStringList pointAt(const QPoint& screen) {
    return {"mousemove", QString::number(screen.x()), QString::number(screen.y()), "sleep", "0.3"};
}

class MainWindowTest : public testing::MainWindowFixture {
protected:
    // The screen shows `picture`'s pixel `from` at the control's point `at`.
    static void expectShows(const QImage& shot, const Control& control, QPoint at, const Image& holder, QPoint from) {
        const QImage* picture = holder.picture() ? imageOf(*holder.picture()) : nullptr;
        ASSERT_TRUE(picture);
        const QPoint where = onScreen(control, at);
        EXPECT_EQ(QColor(shot.pixel(where)), QColor(picture->pixel(from))) << "at " << where.x() << "," << where.y();
    }
};

TEST_F(MainWindowTest, AtItsDesignSizeItShowsTitleBarFrameSplitterHandleAndBottomBar) {
    const int SW = 980;
    ASSERT_EQ(window.geometry().width(), SW);
    ASSERT_EQ(window.geometry().height(), 661);
    const QImage shot = screen();
    save(shot, "main_window");

    expectShows(shot, window, {700, 20}, *controlsOf(form1).Image1, {700, 20});                // title strip
    expectShows(shot, window, {SW - 34 + 10, 22}, *controlsOf(form1).Image4, {10, 20});        // close, resting
    expectShows(shot, window, {SW - 61 + 10, 22}, *controlsOf(form1).Image5, {10, 20});        // maximise, resting
    expectShows(shot, window, {116 + 50, 21}, *controlsOf(form1).Image9, {2 * 116 + 50, 20});  // player tab, selected
    expectShows(shot, window, {232 + 50, 21}, *controlsOf(form1).Image10, {50, 20});
    expectShows(shot, *controlsOf(form1).Picture4, {5, 60}, *controlsOf(form1).Image12, {5, 60});  // splitter handle
    expectShows(shot, *controlsOf(form1).Picture5, {200, 30}, *controlsOf(form1).Image14, {200, 30});  // bottom bar
    expectShows(shot, *controlsOf(form1).Picture9, {100, 30}, *controlsOf(form1).Image14, {100, 30});  // its drag strip

    const QColor frame = toQColor(ui.systemColor(6));
    for (const QPoint edge : {QPoint(0, 300), QPoint(SW - 1, 300), QPoint(500, 661 - 2)}) {
        EXPECT_EQ(QColor(shot.pixel(onScreen(window, edge))), frame) << edge.x() << "," << edge.y();
    }
}

TEST_F(MainWindowTest, DraggingTheRightEdgeWidensTheWindow) {
    const Rect before = window.geometry();
    const QPoint edge = onScreen(window, {before.width() - 1, 300});
    xdotool(pointAt(edge) + QStringList{"mousedown", "1", "sleep", "0.3"} + pointAt(edge + QPoint(60, 0)) +
            QStringList{"mouseup", "1"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.geometry().width() == before.width() + 60; }, kPatience));
    EXPECT_EQ(window.geometry(), Rect::fromSize(before.left, before.top, before.width() + 60, before.height()));
}

// The display's work area leaves a panel out at the bottom (with_bottom_panel.sh).
TEST_F(MainWindowTest, DoubleClickingTheBackdropMaximisesWithinTheAvailableScreen) {
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_LT(available.height(), QGuiApplication::primaryScreen()->geometry().height()) << "no panel on the display";
    xdotool(pointAt(onScreen(*controlsOf(form1).bj, {30, 30})) +
            QStringList{"click", "--repeat", "2", "--delay", "80", "1"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.windowState() == WindowState::Maximized; }, kPatience));
    EXPECT_EQ(window.geometry(), fromQRect(available));
    QTest::qWait(300);
    const QImage shot = screen();
    save(shot, "maximised");
    expectShows(shot, window, {available.width() - 34 + 10, 22}, *controlsOf(form1).Image4, {10, 20});
}

// The strip hands the window to the platform's move loop, and the magnetic
// service registered at load snaps it to the screen's edge.
TEST_F(MainWindowTest, DraggingTheBottomStripNearTheLeftEdgeSnapsTheWindowToIt) {
    const Rect before = window.geometry();
    const QPoint grip = onScreen(*controlsOf(form1).Picture9, {100, 30});
    // The loop starts at the first move with the button down; the next one
    // proposes the window's left edge 9 pixels from the screen's.
    xdotool(pointAt(grip) + QStringList{"mousedown", "1", "sleep", "0.3"} + pointAt(grip + QPoint(1, 0)) +
            pointAt(grip + QPoint(1 + 9 - before.left, 0)) + QStringList{"mouseup", "1"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.geometry().left == 0; }, kPatience));
    EXPECT_EQ(window.geometry(), Rect::fromSize(0, before.top, before.width(), before.height()));
}

// The title buttons' hover and press looks, and the maximise button's tip.
TEST_F(MainWindowTest, TheMaximiseButtonShowsItsHoverAndPressedCellsAndItsTip) {
    Label& maximise = *controlsOf(form1).Button1[1];
    const int SW = window.geometry().width();
    const QPoint centre = onScreen(maximise, {13, 22});
    xdotool(pointAt(centre) + QStringList{"sleep", "1.5"});
    QImage shot = screen();
    save(shot, "maximise_hover");
    expectShows(shot, window, {SW - 61 + 10, 22}, *controlsOf(form1).Image5, {27 + 10, 20});
    const auto tips = QApplication::topLevelWidgets();
    const auto tip =
        std::find_if(tips.begin(), tips.end(), [](QWidget* w) { return w->isVisible() && w->inherits("QTipLabel"); });
    ASSERT_NE(tip, tips.end()) << "no tooltip on show";
    EXPECT_EQ(static_cast<QLabel*>(*tip)->text(), QStringLiteral("最大化"));

    xdotool({"mousedown", "1", "sleep", "0.3"});
    shot = screen();
    save(shot, "maximise_pressed");
    expectShows(shot, window, {SW - 61 + 10, 22}, *controlsOf(form1).Image5, {2 * 27 + 10, 20});
    // Let go away from the button: no click.
    xdotool(pointAt(onScreen(window, {700, 300})) + QStringList{"mouseup", "1"});
    EXPECT_EQ(window.windowState(), WindowState::Normal);
}

}  // namespace
}  // namespace fluvane::platform::qt

#include "platform/qt/qt_controls.h"
#include "platform/qt/qt_form.h"
#include "platform/qt/qt_ui.h"
#include "qt_test_application.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace fluvane::platform::qt {
namespace {

using namespace platform;

class QtControlsTest : public ::testing::Test {
protected:
    QtControlsTest() : app(testing::testApplication("offscreen")) {}

    void show() {
        form->setGeometry(Rect::fromSize(0, 0, 200, 150));
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(static_cast<QtForm&>(*form).widget()));
    }

    QApplication& app;
    testing::RecordingShell shell;
    QtUi ui{{}, {}, shell};
    std::unique_ptr<Form> form = ui.createForm();
};

TEST_F(QtControlsTest, MouseEventsCarryVisualBasicValues) {
    Label& label = form->addLabel();
    label.setGeometry(Rect::fromSize(20, 30, 50, 40));
    label.setBackColor(Color::rgb(0, 0, 0), true);
    show();
    std::vector<std::string> log;
    MouseEvent down, up;
    int delta = 0;
    label.events.mouseDown = [&](const MouseEvent& e) {
        log.push_back("down");
        down = e;
    };
    label.events.mouseUp = [&](const MouseEvent& e) {
        log.push_back("up");
        up = e;
    };
    label.events.click = [&] { log.push_back("click"); };
    label.events.mouseWheel = [&](int d, const MouseEvent&) { delta = d; };
    form->events.mouseDown = [&](const MouseEvent&) { log.push_back("form down"); };
    QWidget* widget = static_cast<QtLabel&>(label).widget();

    QTest::mouseClick(widget, Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier, QPoint(7, 9));
    EXPECT_EQ(log, (std::vector<std::string>{"down", "up"}));
    EXPECT_EQ(down.button, button::Right);
    EXPECT_EQ(down.shift, shift::Shift | shift::Ctrl);
    EXPECT_EQ(down.x, 7);
    EXPECT_EQ(down.y, 9);
    EXPECT_EQ(up.button, button::Right);

    // Only a release inside clicks.
    log.clear();
    QTest::mousePress(widget, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseRelease(widget, Qt::LeftButton, {}, QPoint(300, 3));
    EXPECT_EQ(log, (std::vector<std::string>{"down", "up"}));

    QWheelEvent wheel(QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, -120), Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(widget, &wheel);
    EXPECT_EQ(delta, -120);
}

TEST_F(QtControlsTest, SurfacePaintsOnDemandAndKeepsItsDrawing) {
    Surface& surface = form->addSurface();
    surface.setGeometry(Rect::fromSize(10, 10, 40, 30));
    int paints = 0;
    surface.events.paint = [&] {
        ++paints;
        surface.canvas().fill({0, 0, 40, 30}, Color::rgb(0, 0, 255));
    };
    show();
    QWidget* widget = static_cast<QtSurface&>(surface).widget();
    EXPECT_EQ(widget->grab().toImage().pixel(5, 5), qRgb(0, 0, 255));
    EXPECT_GE(paints, 1);

    // Drawing outside a paint stays and shows.
    surface.canvas().fill({0, 0, 2, 2}, Color::rgb(255, 0, 0));
    const int paintsBefore = paints;
    const QImage shown = widget->grab().toImage();
    EXPECT_EQ(shown.pixel(1, 1), qRgb(255, 0, 0));
    EXPECT_EQ(paints, paintsBefore);

    surface.invalidate();
    EXPECT_EQ(widget->grab().toImage().pixel(1, 1), qRgb(0, 0, 255));
    EXPECT_EQ(paints, paintsBefore + 1);
}

TEST_F(QtControlsTest, PicturesLoadByContentAndIconsAtTheLargeSize) {
    QTemporaryDir dir;
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(qRgb(1, 2, 3));
    const QString misnamed = dir.filePath("picture.bmp");
    ASSERT_TRUE(image.save(misnamed, "JPG"));
    const auto picture = ui.loadPicture(misnamed.toStdString());
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->size(), (Size{3, 2}));

    const QString icon = dir.filePath("icon.ico");
    QImage large(48, 48, QImage::Format_ARGB32);
    large.fill(Qt::red);
    ASSERT_TRUE(large.save(icon, "ICO"));
    const auto loaded = ui.loadIcon(icon.toStdString());
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->size(), (Size{32, 32}));
}

TEST_F(QtControlsTest, ScreenMetricsAgree) {
    const Rect work = ui.workArea();
    const Size screen = ui.screenSize();
    EXPECT_GT(screen.width, 0);
    EXPECT_LE(work.width(), screen.width);
    const Rect taskbar = ui.taskbarRect();
    EXPECT_EQ(taskbar.width() * taskbar.height() + work.width() * work.height(), screen.width * screen.height);
    EXPECT_NE(ui.systemColor(8), ui.systemColor(5));
}

}  // namespace
}  // namespace fluvane::platform::qt

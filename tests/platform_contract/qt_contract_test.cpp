// The platform contract on the Qt platform (offscreen): input goes through
// the window system's event queue as a user's would, and time is real.
#include "canvas_contract.h"
#include "form_contract.h"
#include "input_contract.h"
#include "loop_contract.h"
#include "timer_contract.h"

#include "platform/qt/qt_controls.h"
#include "platform/qt/qt_ui.h"
#include "qt/qt_test_application.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace fluvane::platform::contract {
namespace {

Qt::MouseButton qtButton(int button) {
    switch (button) {
        case button::Right:
            return Qt::RightButton;
        case button::Middle:
            return Qt::MiddleButton;
        default:
            return Qt::LeftButton;
    }
}

class QtDriver {
public:
    QtDriver() { clock_.start(); }

    Ui& ui() { return ui_; }
    void show(Form& form, Rect place) {
        form.setGeometry(place);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(qt::widgetOf(form)));
    }
    void press(Control& control, Point at, int button = button::Left) {
        const Target target = locate(control, at);
        QTest::mousePress(target.window, qtButton(button), {}, target.at);
    }
    void release(Control& control, Point at, int button = button::Left) {
        const Target target = locate(control, at);
        QTest::mouseRelease(target.window, qtButton(button), {}, target.at);
    }
    void move(Control& control, Point at) {
        const Target target = locate(control, at);
        QTest::mouseMove(target.window, target.at);
    }
    void click(Control& control, Point at, int button = button::Left) {
        const Target target = locate(control, at);
        QTest::mouseClick(target.window, qtButton(button), {}, target.at);
    }
    void doubleClick(Control& control, Point at) {
        const Target target = locate(control, at);
        QTest::mouseDClick(target.window, Qt::LeftButton, {}, target.at);
    }
    // The moves wait in the event queue for the loop to take them.
    void dragInNextLoop(Form& form, Point grip, Point by, int steps) {
        const Target target = locate(form, grip);
        const QPoint start = target.window->mapToGlobal(target.at);
        QCursor::setPos(start);
        QCoreApplication::processEvents();
        QTest::mousePress(target.window, Qt::LeftButton, {}, target.at);
        QTimer::singleShot(0, [window = QPointer<QWindow>(target.window), start, by, steps] {
            QPoint last = start;
            for (int step = 1; step <= steps && window && window->isVisible(); ++step) {
                last = start + QPoint(by.x * step / steps, by.y * step / steps);
                QTest::mouseMove(window, window->mapFromGlobal(last));
            }
            if (window) QTest::mouseRelease(window, Qt::LeftButton, {}, window->mapFromGlobal(last));
        });
    }
    void advance(int milliseconds) { QTest::qWait(milliseconds); }
    std::int64_t now() const { return clock_.elapsed(); }
    static bool childOf(const Control& child, const Surface& container) {
        return qt::widgetOf(child)->parentWidget() == qt::widgetOf(container);
    }
    // Qt keeps siblings in stacking order, the front one last.
    static bool inFront(const Control& control, const Control& sibling) {
        const QWidget* widget = qt::widgetOf(control);
        const QObjectList& siblings = widget->parentWidget()->children();
        return siblings.indexOf(widget) > siblings.indexOf(qt::widgetOf(sibling));
    }

private:
    struct Target {
        QWindow* window;
        QPoint at;  // in the window
    };
    static Target locate(Control& control, Point at) {
        QWidget* widget = qt::widgetOf(control);
        QWidget* top = widget->window();
        return {top->windowHandle(), widget->mapTo(top, QPoint(at.x, at.y))};
    }

    QApplication& app_ = qt::testing::testApplication("offscreen");  // before any widget
    qt::testing::RecordingShell shell_;
    qt::QtUi ui_{{}, {}, shell_};
    QElapsedTimer clock_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(QtCanvas, CanvasContract, QtDriver);
INSTANTIATE_TYPED_TEST_SUITE_P(QtForm, FormContract, QtDriver);
INSTANTIATE_TYPED_TEST_SUITE_P(QtLoop, LoopContract, QtDriver);
INSTANTIATE_TYPED_TEST_SUITE_P(QtTimer, TimerContract, QtDriver);
INSTANTIATE_TYPED_TEST_SUITE_P(QtInput, InputContract, QtDriver);

}  // namespace
}  // namespace fluvane::platform::contract

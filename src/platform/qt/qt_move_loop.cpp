#include "platform/qt/qt_move_loop.h"

#include "platform/qt/qt_convert.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QWidget>

namespace fluvane::qtplatform {

QtMoveLoop::QtMoveLoop(QWidget& window, platform::WindowProcedure send)
    : QObject(&window), window_(window), send_(std::move(send)) {}

QtMoveLoop::~QtMoveLoop() {
    if (active_ && QWidget::mouseGrabber() == &window_) window_.releaseMouse();
}

void QtMoveLoop::start() {
    if (active_ || QGuiApplication::mouseButtons() == Qt::NoButton) return;
    active_ = true;
    startCursor_ = QCursor::pos();
    startGeometry_ = window_.geometry();
    window_.installEventFilter(this);
    window_.grabMouse();
    send_(platform::msg::EnterSizeMove, 0, 0);
}

bool QtMoveLoop::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseMove:
            moveTo(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
            return true;
        case QEvent::MouseButtonRelease:
            finish();
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
            return true;
        default:
            return false;
    }
}

void QtMoveLoop::moveTo(const QPoint& cursor) {
    platform::Rect proposed = fromQRect(startGeometry_.translated(cursor - startCursor_));
    send_(platform::msg::Moving, 0, reinterpret_cast<std::intptr_t>(&proposed));
    window_.setGeometry(toQRect(proposed));
}

void QtMoveLoop::finish() {
    if (!active_) return;
    active_ = false;
    window_.removeEventFilter(this);
    if (QWidget::mouseGrabber() == &window_) window_.releaseMouse();
    send_(platform::msg::ExitSizeMove, 0, 0);
}

}  // namespace fluvane::qtplatform

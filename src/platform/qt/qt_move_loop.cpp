#include "platform/qt/qt_move_loop.h"

#include "platform/qt/qt_convert.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace fluvane::platform::qt {

QtMoveLoop::QtMoveLoop(QWidget& window, platform::WindowProcedure send)
    : QObject(&window), window_(window), send_(std::move(send)) {}

QtMoveLoop::~QtMoveLoop() {
    if (active_ && QWidget::mouseGrabber() == &window_) window_.releaseMouse();
}

void QtMoveLoop::start(std::uintptr_t edge) {
    if (active_ || QGuiApplication::mouseButtons() == Qt::NoButton) return;
    active_ = true;
    edge_ = edge;
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
    using namespace platform::sizing;
    const QPoint delta = cursor - startCursor_;
    platform::Rect proposed = fromQRect(startGeometry_);
    if (edge_ == 0) {
        proposed = fromQRect(startGeometry_.translated(delta));
    } else {
        if (edge_ == Left || edge_ == TopLeft || edge_ == BottomLeft) proposed.left += delta.x();
        if (edge_ == Right || edge_ == TopRight || edge_ == BottomRight) proposed.right += delta.x();
        if (edge_ == Top || edge_ == TopLeft || edge_ == TopRight) proposed.top += delta.y();
        if (edge_ == Bottom || edge_ == BottomLeft || edge_ == BottomRight) proposed.bottom += delta.y();
    }
    // The procedures may destroy the window, and this loop with it.
    const QPointer<QtMoveLoop> self(this);
    send_(edge_ == 0 ? platform::msg::Moving : platform::msg::Sizing, edge_,
          reinterpret_cast<std::intptr_t>(&proposed));
    if (self) window_.setGeometry(toQRect(proposed));
}

void QtMoveLoop::finish() {
    if (!active_) return;
    active_ = false;
    window_.removeEventFilter(this);
    if (QWidget::mouseGrabber() == &window_) window_.releaseMouse();
    send_(platform::msg::ExitSizeMove, 0, 0);
}

}  // namespace fluvane::platform::qt

#include "platform/qt/qt_move_loop.h"

#include "platform/qt/qt_convert.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace fluvane::platform::qt {

QtMoveLoop::QtMoveLoop(QWidget& window, platform::WindowProcedure send)
    : QObject(&window), window_(window), send_(std::move(send)) {}

QtMoveLoop::~QtMoveLoop() {
    if (active_) stop();
    if (QCoreApplication* application = QCoreApplication::instance()) application->removeEventFilter(this);
}

void QtMoveLoop::run(std::uintptr_t edge) {
    if (active_ || !(QGuiApplication::mouseButtons() & Qt::LeftButton)) return;
    active_ = true;
    abandoned_ = false;
    edge_ = edge;
    startCursor_ = QCursor::pos();
    startGeometry_ = window_.geometry();
    // Every mouse event of the program comes here first while the loop runs,
    // so a release is seen wherever the window system delivers it.
    QCoreApplication::instance()->installEventFilter(this);
    window_.grabMouse();

    // The procedures may close the window, or destroy it and this loop with it.
    const QPointer<QtMoveLoop> self(this);
    send_(platform::msg::EnterSizeMove, 0, 0);
    if (!self) return;
    if (active_) {
        QEventLoop events;
        events_ = &events;
        events.exec();
        if (!self) return;
        events_ = nullptr;
    }
    QCoreApplication::instance()->removeEventFilter(this);
    takingRelease_ = false;
    if (!abandoned_) send_(platform::msg::ExitSizeMove, 0, 0);
}

void QtMoveLoop::abandon() {
    abandoned_ = true;
    if (active_) stop();
}

void QtMoveLoop::stop() {
    active_ = false;
    if (QWidget::mouseGrabber() == &window_) window_.releaseMouse();
    if (events_) events_->quit();
}

// Mouse events reach a window before its widgets: taken there, no widget sees
// them. The release that ends the loop goes on, so that the window forgets
// the press, but the widget that was pressed does not get it.
bool QtMoveLoop::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWindowType()) {
        if (!takingRelease_ || event->type() != QEvent::MouseButtonRelease) return false;
        takingRelease_ = false;
        return true;
    }
    if (!active_) return false;
    switch (event->type()) {
        case QEvent::MouseMove: {
            auto& mouse = static_cast<QMouseEvent&>(*event);
            // A release the window system never reported still ends the loop.
            if (mouse.buttons() & Qt::LeftButton) {
                moveTo(mouse.globalPosition().toPoint());
            } else {
                stop();
            }
            return true;
        }
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent&>(*event).button() != Qt::LeftButton) return true;
            stop();
            takingRelease_ = true;
            return false;
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
    const QPointer<QtMoveLoop> self(this);
    send_(edge_ == 0 ? platform::msg::Moving : platform::msg::Sizing, edge_,
          reinterpret_cast<std::intptr_t>(&proposed));
    if (self && active_) window_.setGeometry(toQRect(proposed));
}

}  // namespace fluvane::platform::qt

#include "platform/qt/qt_event_router.h"

#include <QMouseEvent>
#include <QPointer>
#include <QWheelEvent>
#include <QWidget>

#include <utility>

namespace fluvane::platform::qt {

namespace {

int buttonMask(Qt::MouseButtons buttons) {
    int mask = platform::button::None;
    if (buttons & Qt::LeftButton) mask |= platform::button::Left;
    if (buttons & Qt::RightButton) mask |= platform::button::Right;
    if (buttons & Qt::MiddleButton) mask |= platform::button::Middle;
    return mask;
}

int shiftMask(Qt::KeyboardModifiers modifiers) {
    int mask = platform::shift::None;
    if (modifiers & Qt::ShiftModifier) mask |= platform::shift::Shift;
    if (modifiers & Qt::ControlModifier) mask |= platform::shift::Ctrl;
    if (modifiers & Qt::AltModifier) mask |= platform::shift::Alt;
    return mask;
}

platform::MouseEvent mouseEvent(const QSinglePointEvent& event, Qt::MouseButtons buttons) {
    const QPoint at = event.position().toPoint();
    return {buttonMask(buttons), shiftMask(event.modifiers()), at.x(), at.y()};
}

}  // namespace

QtEventRouter::QtEventRouter(QWidget& widget, platform::ControlEvents& events, std::function<void()> resized)
    : QObject(&widget), events_(events), resized_(std::move(resized)) {
    widget.setMouseTracking(true);
    widget.installEventFilter(this);
}

bool QtEventRouter::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto& mouse = static_cast<QMouseEvent&>(*event);
            if (mouse.button() == Qt::LeftButton) {
                pressed_ = true;
                doubleClicked_ = false;
            }
            raiseEvent(events_.mouseDown, mouseEvent(mouse, mouse.button()));
            break;
        }
        case QEvent::MouseButtonDblClick: {
            // Clicks and double clicks are the left button's; another button's
            // second press is just a press.
            auto& mouse = static_cast<QMouseEvent&>(*event);
            if (mouse.button() != Qt::LeftButton) {
                raiseEvent(events_.mouseDown, mouseEvent(mouse, mouse.button()));
                break;
            }
            pressed_ = true;
            doubleClicked_ = true;
            raiseEvent(events_.doubleClick);
            break;
        }
        case QEvent::MouseButtonRelease: {
            auto& mouse = static_cast<QMouseEvent&>(*event);
            // A handler may take the press elsewhere; only a release inside clicks.
            const bool left = mouse.button() == Qt::LeftButton;
            const bool clicks =
                left && pressed_ && !doubleClicked_ && widget->rect().contains(mouse.position().toPoint());
            if (left) pressed_ = false;
            const QPointer<QtEventRouter> self(this);
            raiseEvent(events_.mouseUp, mouseEvent(mouse, mouse.button()));
            // The handler may have destroyed the control.
            if (clicks && self) raiseEvent(events_.click);
            break;
        }
        case QEvent::MouseMove: {
            auto& mouse = static_cast<QMouseEvent&>(*event);
            raiseEvent(events_.mouseMove, mouseEvent(mouse, mouse.buttons()));
            break;
        }
        case QEvent::Wheel: {
            auto& wheel = static_cast<QWheelEvent&>(*event);
            raiseEvent(events_.mouseWheel, wheel.angleDelta().y(), mouseEvent(wheel, wheel.buttons()));
            break;
        }
        case QEvent::Leave:
            raiseEvent(events_.mouseLeave);
            return false;
        case QEvent::Resize:
            resized_();
            return false;
        default:
            return false;
    }
    event->accept();
    return true;
}

}  // namespace fluvane::platform::qt

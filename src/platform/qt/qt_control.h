#pragma once

#include "platform/controls.h"
#include "platform/qt/qt_convert.h"
#include "platform/qt/qt_event_router.h"
#include "platform/qt/qt_raise.h"

#include <QPointer>
#include <QWidget>

#include <memory>

namespace fluvane::platform::qt {

// What every control does through its widget. The widget goes with the
// control; it is deleted later so that a handler may destroy a control while
// the control's own event is being delivered.
template <class Interface>
class QtControl : public Interface {
public:
    // `routed`: mouse events reach the control's events.
    QtControl(QWidget* widget, bool routed) : widget_(widget), reportedSize_(widget->size()) {
        if (routed) router_ = new QtEventRouter(*widget, this->events, [this] { reportResize(); });
    }
    ~QtControl() override {
        delete router_.data();
        if (widget_) {
            widget_->hide();
            widget_->deleteLater();
        }
    }
    QtControl(const QtControl&) = delete;
    QtControl& operator=(const QtControl&) = delete;

    platform::Rect geometry() const override { return fromQRect(widget_->geometry()); }
    void setGeometry(platform::Rect geometry) override {
        // A shown widget reports its resize at once, and the handler may
        // destroy this control.
        const auto alive = lifetime();
        widget_->setGeometry(toQRect(geometry));
        if (!alive.expired()) reportResize();
    }
    bool visible() const override { return !widget_->isHidden(); }
    void setVisible(bool visible) override { widget_->setVisible(visible); }
    void bringToFront() override { widget_->raise(); }
    void setToolTip(const std::string& text) override { widget_->setToolTip(toQString(text)); }
    void setCursor(platform::Cursor cursor) override {
        if (cursor == platform::Cursor::Default) {
            widget_->unsetCursor();
        } else {
            widget_->setCursor(toCursorShape(cursor));
        }
    }

    QWidget* widget() const { return widget_; }

    // Guards code that runs after a handler which may destroy this control.
    std::weak_ptr<void> lifetime() const { return lifetime_; }

protected:
    // Raises `resize` once per size the control takes, however it got there.
    void reportResize() {
        if (!widget_ || widget_->size() == reportedSize_) return;
        reportedSize_ = widget_->size();
        raiseEvent(this->events.resize);
    }

private:
    QPointer<QWidget> widget_;
    QPointer<QtEventRouter> router_;
    QSize reportedSize_;
    std::shared_ptr<int> lifetime_ = std::make_shared<int>(0);
};

}  // namespace fluvane::platform::qt

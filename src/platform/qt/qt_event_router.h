#pragma once

#include "platform/controls.h"

#include <QObject>

#include <functional>
#include <utility>

class QWidget;

namespace fluvane::platform::qt {

// Calls an event handler through a copy: a handler may replace itself, or
// destroy the control that holds it, while it runs.
template <class... Params, class... Args>
void raiseEvent(const std::function<void(Params...)>& handler, Args&&... args) {
    if (!handler) return;
    const auto copy = handler;
    copy(std::forward<Args>(args)...);
}

// Turns a widget's mouse and resize events into a control's events, the way
// the logic expects them: click after a press and release on the same control,
// a double click in place of the second press, no propagation to the container.
class QtEventRouter : public QObject {
public:
    QtEventRouter(QWidget& widget, platform::ControlEvents& events, std::function<void()> resized);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    platform::ControlEvents& events_;
    std::function<void()> resized_;
    bool pressed_ = false;
    bool doubleClicked_ = false;
};

}  // namespace fluvane::platform::qt

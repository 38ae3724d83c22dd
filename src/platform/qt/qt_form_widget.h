#pragma once

#include "platform/qt/qt_surface_widget.h"

#include <functional>

namespace fluvane::platform::qt {

// The top-level widget of a form: frameless, children at absolute positions.
class FormWidget : public SurfaceWidget {
public:
    FormWidget();

    // The window manager asks the window to close.
    std::function<void()> closeRequested;
    std::function<void()> stateChanged;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool painted_ = false;
};

}  // namespace fluvane::platform::qt

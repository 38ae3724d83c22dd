#include "platform/qt/qt_form_widget.h"

#include "platform/qt/qt_trace.h"

#include <QCloseEvent>

namespace fluvane::platform::qt {

FormWidget::FormWidget() : SurfaceWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {}

// The form decides through its window procedures; a close goes the same way
// as one the logic asks for.
void FormWidget::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (closeRequested) closeRequested();
}

void FormWidget::changeEvent(QEvent* event) {
    SurfaceWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && stateChanged) stateChanged();
}

void FormWidget::paintEvent(QPaintEvent* event) {
    SurfaceWidget::paintEvent(event);
    if (!painted_) {
        painted_ = true;
        traceFirstPaint(windowTitle());
    }
}

}  // namespace fluvane::platform::qt

#include "platform/qt/qt_surface_widget.h"

#include <QPainter>

namespace fluvane::platform::qt {

SurfaceWidget::SurfaceWidget(QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), backColor_(palette().color(QPalette::Button)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage& SurfaceWidget::backing() {
    if (backing_.size() != size()) {
        const QImage previous = backing_;
        resetBacking();
        QPainter painter(&backing_);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, previous);
    }
    return backing_;
}

void SurfaceWidget::resetBacking() {
    backing_ = QImage(size(), QImage::Format_RGB32);
    backing_.fill(backColor_);
    if (!picture_.isNull()) {
        QPainter painter(&backing_);
        painter.drawImage(0, 0, picture_);
    }
    needsPaint_ = true;
}

void SurfaceWidget::setBackColor(const QColor& color) {
    backColor_ = color;
    resetBacking();
    update();
}

void SurfaceWidget::setPicture(const QImage& picture) {
    picture_ = picture;
    resetBacking();
    update();
}

void SurfaceWidget::requestPaint() {
    needsPaint_ = true;
    update();
}

void SurfaceWidget::contentChanged() {
    if (!painting_) update();
}

void SurfaceWidget::paintEvent(QPaintEvent*) {
    backing();
    if (needsPaint_) {
        needsPaint_ = false;
        painting_ = true;
        if (paintNeeded) paintNeeded();
        painting_ = false;
    }
    QPainter painter(this);
    painter.drawImage(0, 0, backing_);
}

}  // namespace fluvane::platform::qt

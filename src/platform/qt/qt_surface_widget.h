#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

#include <functional>

namespace fluvane::platform::qt {

// A widget with a persistent backing store the size of the widget. Drawing
// goes into the store; painting the widget copies it. `paintNeeded` runs from
// the next paint after the content was lost: first show, resize, a new
// background, or an explicit request.
class SurfaceWidget : public QWidget {
public:
    explicit SurfaceWidget(QWidget* parent, Qt::WindowFlags flags = {});

    // The backing store, brought to the widget's size.
    QImage& backing();
    void setBackColor(const QColor& color);
    void setPicture(const QImage& picture);
    void requestPaint();
    // Called by the canvas after drawing outside a paint.
    void contentChanged();

    std::function<void()> paintNeeded;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void resetBacking();

    QImage backing_;
    QColor backColor_;
    QImage picture_;
    bool needsPaint_ = true;
    bool painting_ = false;
};

}  // namespace fluvane::platform::qt

#pragma once

#include "platform/controls.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_children.h"
#include "platform/qt/qt_control.h"
#include "platform/qt/qt_picture.h"
#include "platform/qt/qt_surface_widget.h"

namespace fluvane::platform::qt {

class QtWebContext;

// Surface operations for picture boxes and forms alike.
template <class Interface>
class QtSurfaceBase : public QtControl<Interface> {
public:
    QtSurfaceBase(SurfaceWidget* widget, QtWebContext& web)
        : QtControl<Interface>(widget, true),
          surface_(*widget),
          canvas_(widget->backing(), [widget] { widget->contentChanged(); }),
          children_(*widget, web) {
        widget->paintNeeded = [this] { raiseEvent(this->events.paint); };
    }

    platform::Canvas& canvas() override {
        surface_.backing();
        return canvas_;
    }
    void invalidate() override { surface_.requestPaint(); }
    void setBackColor(platform::Color color) override { surface_.setBackColor(toQColor(color)); }
    void setPicture(std::shared_ptr<platform::Picture> picture) override {
        const QImage* image = picture ? imageOf(*picture) : nullptr;
        surface_.setPicture(image ? *image : QImage());
        picture_ = std::move(picture);
    }

    void setCapture() override {
        if (surface_.isVisible()) surface_.grabMouse();
    }
    void releaseCapture() override {
        if (hasCapture()) surface_.releaseMouse();
    }
    bool hasCapture() const override { return QWidget::mouseGrabber() == &surface_; }
    platform::Point mapFromScreen(platform::Point screen) const override {
        return fromQPoint(surface_.mapFromGlobal(toQPoint(screen)));
    }

    platform::Surface& addSurface() override { return children_.addSurface(); }
    platform::Label& addLabel() override { return children_.addLabel(); }
    platform::Image& addImage() override { return children_.addImage(); }
    platform::Line& addLine() override { return children_.addLine(); }
    platform::BrowserPane& addBrowser() override { return children_.addBrowser(); }

protected:
    SurfaceWidget& surface() const { return surface_; }

private:
    SurfaceWidget& surface_;
    QtCanvas canvas_;
    std::shared_ptr<platform::Picture> picture_;
    QtChildren children_;
};

// A picture box or owner-drawn control inside a container.
class QtSurface : public QtSurfaceBase<platform::Surface> {
public:
    QtSurface(QWidget& parent, QtWebContext& web);
};

}  // namespace fluvane::platform::qt

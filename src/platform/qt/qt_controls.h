#pragma once

#include "platform/controls.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_convert.h"
#include "platform/qt/qt_event_router.h"

#include <QColor>
#include <QImage>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QLabel;

namespace fluvane::platform::qt {

class LineWidget;
class QtWebContext;

// What every control of this platform is besides its interface: a widget.
class QtWidgetControl {
public:
    virtual QWidget* widget() const = 0;

protected:
    ~QtWidgetControl() = default;
};

// The widget of a control this platform made, or nullptr.
inline QWidget* widgetOf(const platform::Control& control) {
    const auto* made = dynamic_cast<const QtWidgetControl*>(&control);
    return made ? made->widget() : nullptr;
}

// What every control does through its widget. The widget goes with the
// control; it is deleted later so that a handler may destroy a control while
// the control's own event is being delivered.
template <class Interface>
class QtControl : public Interface, public QtWidgetControl {
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
    void setToolTip(const std::string& text) override { widget_->setToolTip(shownAsWritten(toQString(text))); }
    void setCursor(platform::Cursor cursor) override {
        if (cursor == platform::Cursor::Default) {
            widget_->unsetCursor();
        } else {
            widget_->setCursor(toCursorShape(cursor));
        }
    }

    QWidget* widget() const override { return widget_; }

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

// A widget with a persistent backing store the size of the widget, at the
// canvas scale of its screen. Drawing goes into the store; painting the widget
// copies it. `paintNeeded` runs from the next paint after the content was
// lost: first show, resize, a new background or scale, or an explicit request.
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

// The controls of a container, created on its widget and owned by it.
class QtChildren {
public:
    QtChildren(QWidget& parent, QtWebContext& web);
    ~QtChildren();
    QtChildren(const QtChildren&) = delete;
    QtChildren& operator=(const QtChildren&) = delete;

    platform::Surface& addSurface();
    platform::Label& addLabel();
    platform::Image& addImage();
    platform::Line& addLine();
    platform::BrowserPane& addBrowser();

private:
    template <class Control>
    Control& keep(std::unique_ptr<Control> control);

    QWidget& parent_;
    QtWebContext& web_;
    std::vector<std::unique_ptr<platform::Control>> controls_;
};

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

class QtImage : public QtControl<platform::Image> {
public:
    explicit QtImage(QWidget& parent);

    std::shared_ptr<platform::Picture> picture() const override { return picture_; }
    void setPicture(std::shared_ptr<platform::Picture> picture, bool stretch) override;

private:
    QLabel& label() const;

    std::shared_ptr<platform::Picture> picture_;
};

class QtLabel : public QtControl<platform::Label> {
public:
    explicit QtLabel(QWidget& parent);

    std::string caption() const override;
    void setCaption(const std::string& text) override;
    void setForeColor(platform::Color color) override;
    void setBackColor(platform::Color color, bool transparent) override;
    void setFont(const platform::Font& font) override;

private:
    QLabel& label() const;
};

// A line control: a mouse-transparent widget spanning the line's two ends.
class QtLine : public QtControl<platform::Line> {
public:
    explicit QtLine(QWidget& parent);

    void setEnds(platform::Point from, platform::Point to) override;
    void setColor(platform::Color color) override;

private:
    LineWidget& line() const;
};

}  // namespace fluvane::platform::qt

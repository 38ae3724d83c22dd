#pragma once

#include "platform/canvas.h"
#include "platform/geometry.h"
#include "platform/input.h"

#include <functional>
#include <memory>
#include <string>

namespace fluvane::platform {

class BrowserPane;

// What a control reports. Handlers are set by the logic; unset ones are skipped.
struct ControlEvents {
    std::function<void()> resize;
    std::function<void()> paint;  // draw into the surface's canvas
    std::function<void(const MouseEvent&)> mouseMove;
    std::function<void(const MouseEvent&)> mouseDown;
    std::function<void(const MouseEvent&)> mouseUp;
    std::function<void()> click;
    std::function<void()> doubleClick;
    std::function<void()> mouseLeave;
    // delta: +120 per notch away from the user; the event's x/y are relative to the control.
    std::function<void(int delta, const MouseEvent&)> mouseWheel;
};

// A child of a form or of a container: geometry in pixels relative to it.
class Control {
public:
    virtual ~Control() = default;

    virtual Rect geometry() const = 0;
    // Raises `resize` when the size changes.
    virtual void setGeometry(Rect geometry) = 0;
    virtual bool visible() const = 0;
    virtual void setVisible(bool visible) = 0;
    virtual void bringToFront() = 0;
    virtual void setToolTip(const std::string& text) = 0;
    virtual void setCursor(Cursor cursor) = 0;

    ControlEvents events;
};

class Label : public Control {
public:
    virtual std::string caption() const = 0;
    virtual void setCaption(const std::string& text) = 0;
    virtual void setForeColor(Color color) = 0;
    // A transparent label shows nothing but still takes the mouse: a hit area.
    virtual void setBackColor(Color color, bool transparent) = 0;
    virtual void setFont(const Font& font) = 0;
};

class Image : public Control {
public:
    virtual std::shared_ptr<Picture> picture() const = 0;
    // Without stretch the image takes the picture's natural size.
    virtual void setPicture(std::shared_ptr<Picture> picture, bool stretch) = 0;
};

class Line : public Control {
public:
    virtual void setEnds(Point from, Point to) = 0;
    virtual void setColor(Color color) = 0;
};

// A drawable container: picture boxes, owner-drawn controls, and the client
// area of a form. Its canvas is kept between paints; `paint` is raised when
// the platform needs the content again and after `invalidate`.
class Surface : public Control {
public:
    virtual Canvas& canvas() = 0;
    virtual void invalidate() = 0;
    virtual void setBackColor(Color color) = 0;
    virtual void setPicture(std::shared_ptr<Picture> picture) = 0;

    // Mouse input keeps coming here, even outside, until released.
    virtual void setCapture() = 0;
    virtual void releaseCapture() = 0;
    virtual bool hasCapture() const = 0;
    virtual Point mapFromScreen(Point screen) const = 0;

    // Children are owned by their container and live as long as it does.
    virtual Surface& addSurface() = 0;
    virtual Label& addLabel() = 0;
    virtual Image& addImage() = 0;
    virtual Line& addLine() = 0;
    virtual BrowserPane& addBrowser() = 0;
};

}  // namespace fluvane::platform

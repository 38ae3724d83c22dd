#include "controls/an.h"

namespace fluvane::controls {

an::an(platform::Surface& window, platform::Ui& ui)
    : window_(window), buttonMain_(window.addSurface()), pic_(ui.resourcePicture(kSpriteBitmap)) {
    window_.events.resize = [this] { fixSize(); };
    auto& events = buttonMain_.events;
    events.paint = [this] { onPaint(); };
    events.mouseMove = [this](const platform::MouseEvent& e) { onMouseMove(e); };
    events.mouseDown = [this](const platform::MouseEvent& e) { onMouseDown(e); };
    events.mouseUp = [this](const platform::MouseEvent& e) { raise(MouseUp, e); };
    events.click = [this] { onClick(); };
    fixSize();
}

an::~an() {
    window_.events = {};
    buttonMain_.events = {};
}

void an::fixSize() {
    const platform::Rect geometry = window_.geometry();
    if (geometry.width() != kWidth || geometry.height() != kHeight)
        window_.setGeometry(platform::Rect::fromSize(geometry.left, geometry.top, kWidth, kHeight));
    buttonMain_.setGeometry({0, 0, kWidth, kHeight});
    Redraw();
}

void an::setValve(bool value) {
    valve_ = value;
    if (PropertyChanged) PropertyChanged("Valve");
    Redraw();
}

void an::readProperties(const PropertyBag& bag) {
    valve_ = bag.readBool("Valve", false);
    Redraw();
}

void an::writeProperties(PropertyBag& bag) const { bag.writeBool("Valve", valve_, false); }

void an::Redraw() {
    face_ = kNormal;
    buttonMain_.invalidate();
}

void an::onPaint() {
    if (!pic_) return;
    const int row = valve_ ? 0 : kHeight;
    buttonMain_.canvas().copy(*pic_, platform::Rect::fromSize(face_, row, kWidth, kHeight), {0, 0});
}

void an::raise(const std::function<void(int&, int&, float&, float&)>& event, const platform::MouseEvent& e) {
    if (!event) return;
    int button = e.button;
    int shift = e.shift;
    float x = static_cast<float>(e.x);
    float y = static_cast<float>(e.y);
    event(button, shift, x, y);
}

void an::onMouseMove(const platform::MouseEvent& e) {
    // The border lines count as outside.
    const bool outside = e.x <= 0 || e.y <= 0 || e.x >= kWidth || e.y >= kHeight;
    if (outside) {
        face_ = kNormal;
        buttonMain_.releaseCapture();
    } else if (e.button == platform::button::None) {
        // Held so that the pointer leaving is seen here.
        buttonMain_.setCapture();
        face_ = kHover;
    }
    buttonMain_.invalidate();
    raise(MouseMove, e);
}

void an::onMouseDown(const platform::MouseEvent& e) {
    if (e.button == platform::button::Left) face_ = kPressed;
    buttonMain_.invalidate();
    raise(MouseDown, e);
}

void an::onClick() {
    valve_ = !valve_;
    if (Click) Click();
    Redraw();
}

}  // namespace fluvane::controls

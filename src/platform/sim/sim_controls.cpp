#include "platform/sim/sim_controls.h"

#include "platform/sim/sim_browser.h"
#include "platform/sim/sim_ui.h"

namespace fluvane::platform::sim {

SimNode::SimNode(SimUi& ui, SimNode* parent, Kind kind) : ui_(ui), parent_(parent), kind_(kind), zOrder_(++ui.lastZ_) {}

SimNode::~SimNode() {
    if (ui_.capture_ == this) ui_.capture_ = nullptr;
}

bool SimNode::shown() const { return visible_ && (!parent_ || parent_->shown()); }

Point SimNode::screenOrigin() const {
    Point origin = parent_ ? parent_->screenOrigin() : Point{};
    return {origin.x + geometry_.left, origin.y + geometry_.top};
}

void SimNode::applyGeometry(Rect geometry) {
    const bool resized = geometry.width() != geometry_.width() || geometry.height() != geometry_.height();
    geometry_ = geometry;
    if (!resized) return;
    raise(control().events.resize);
    requestPaint();
}

void SimNode::applyVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    if (visible_) requestPaintOfTree();
}

void SimNode::bringForward() { zOrder_ = ++ui_.lastZ_; }

void SimNode::requestPaint() {
    if (kind_ == Kind::Form || kind_ == Kind::Surface) paintPending_ = true;
}

void SimNode::requestPaintOfTree() {
    requestPaint();
    for (auto& child : children_) child->requestPaintOfTree();
}

void SimImage::setPicture(std::shared_ptr<platform::Picture> picture, bool stretch) {
    picture_ = std::move(picture);
    stretch_ = stretch;
    if (!stretch_ && picture_) {
        const Size size = picture_->size();
        applyGeometry(Rect::fromSize(geometry_.left, geometry_.top, size.width, size.height));
    }
}

template <class Api>
SimSurfaceBase<Api>::SimSurfaceBase(SimUi& ui, SimNode* parent, SimNode::Kind kind)
    : SimControl<Api>(ui, parent, kind), SimDrawable([this] {
          return Size{this->geometry_.width(), this->geometry_.height()};
      }) {
    this->requestPaint();
}

template <class Api>
void SimSurfaceBase<Api>::setCapture() {
    this->ui_.capture_ = this;
}

template <class Api>
void SimSurfaceBase<Api>::releaseCapture() {
    if (hasCapture()) this->ui_.capture_ = nullptr;
}

template <class Api>
bool SimSurfaceBase<Api>::hasCapture() const {
    return this->ui_.capture_ == this;
}

template <class Api>
Point SimSurfaceBase<Api>::mapFromScreen(Point screen) const {
    const Point origin = this->screenOrigin();
    return {screen.x - origin.x, screen.y - origin.y};
}

template <class Api>
template <class Child>
Child& SimSurfaceBase<Api>::addChild() {
    auto child = std::make_unique<Child>(this->ui_, this);
    Child& added = *child;
    this->adopt(std::move(child));
    return added;
}

template <class Api>
platform::Surface& SimSurfaceBase<Api>::addSurface() {
    return addChild<SimSurface>();
}

template <class Api>
platform::Label& SimSurfaceBase<Api>::addLabel() {
    return addChild<SimLabel>();
}

template <class Api>
platform::Image& SimSurfaceBase<Api>::addImage() {
    return addChild<SimImage>();
}

template <class Api>
platform::Line& SimSurfaceBase<Api>::addLine() {
    return addChild<SimLine>();
}

template <class Api>
platform::BrowserPane& SimSurfaceBase<Api>::addBrowser() {
    return addChild<SimBrowser>();
}

template class SimSurfaceBase<platform::Surface>;
template class SimSurfaceBase<platform::Form>;

}  // namespace fluvane::platform::sim

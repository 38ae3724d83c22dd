#include "platform/sim/sim_ui.h"

namespace fluvane::platform::sim {

namespace {
SimNode& nodeOf(platform::Control& control) { return dynamic_cast<SimNode&>(control); }
}  // namespace

std::optional<SimUi::Target> SimUi::route(platform::Control& control, Point at, int button, int shift) const {
    SimNode& over = nodeOf(control);
    SimNode& target = capture_ ? *capture_ : over;
    if (!target.shown()) return std::nullopt;
    const Point from = over.screenOrigin();
    const Point to = target.screenOrigin();
    return Target{&target, {button, shift, at.x + from.x - to.x, at.y + from.y - to.y}};
}

bool SimUi::move(platform::Control& control, Point at, int buttons, int shift) {
    buttonsHeld_ = buttons;
    auto target = route(control, at, buttons, shift);
    if (!target) return false;
    raise(target->node->control().events.mouseMove, target->event);
    return true;
}

bool SimUi::press(platform::Control& control, Point at, int button, int shift) {
    buttonsHeld_ |= button;
    auto target = route(control, at, button, shift);
    if (!target) return false;
    raise(target->node->control().events.mouseDown, target->event);
    return true;
}

bool SimUi::release(platform::Control& control, Point at, int button, int shift) {
    buttonsHeld_ &= ~button;
    auto target = route(control, at, button, shift);
    if (!target) return false;
    raise(target->node->control().events.mouseUp, target->event);
    return true;
}

bool SimUi::click(platform::Control& control, Point at, int button) {
    const bool pressed = press(control, at, button);
    // A move loop the press started ended with the release.
    if (!(buttonsHeld_ & button)) return pressed;
    buttonsHeld_ &= ~button;
    if (!pressed) return false;
    auto target = route(control, at, button, platform::shift::None);
    if (!target) return false;
    raise(target->node->control().events.mouseUp, target->event);
    if (button == platform::button::Left) raise(target->node->control().events.click);
    return true;
}

bool SimUi::doubleClick(platform::Control& control, Point at) {
    if (!click(control, at)) return false;
    auto target = route(control, at, platform::button::Left, platform::shift::None);
    if (!target) return false;
    raise(target->node->control().events.doubleClick);
    raise(target->node->control().events.mouseUp, target->event);
    return true;
}

bool SimUi::wheel(platform::Control& control, Point at, int delta, int shift) {
    auto target = route(control, at, platform::button::None, shift);
    if (!target) return false;
    raise(target->node->control().events.mouseWheel, delta, target->event);
    return true;
}

bool SimUi::leave(platform::Control& control) {
    SimNode& node = nodeOf(control);
    if (!node.shown()) return false;
    raise(control.events.mouseLeave);
    return true;
}

}  // namespace fluvane::platform::sim

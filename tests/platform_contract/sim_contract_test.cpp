// The platform contract on the simulated platform: input is injected, time is virtual.
#include "canvas_contract.h"
#include "form_contract.h"
#include "input_contract.h"
#include "loop_contract.h"
#include "timer_contract.h"

#include "platform/sim/sim_form.h"
#include "platform/sim/sim_ui.h"

namespace fluvane::platform::contract {
namespace {

class SimDriver {
public:
    Ui& ui() { return ui_; }
    void show(Form& form, Rect place) {
        form.setGeometry(place);
        form.show();
    }
    void press(Control& control, Point at, int button = button::Left) { ui_.press(control, at, button); }
    void release(Control& control, Point at, int button = button::Left) { ui_.release(control, at, button); }
    void move(Control& control, Point at) { ui_.move(control, at, ui_.buttonsHeld()); }
    void click(Control& control, Point at, int button = button::Left) { ui_.click(control, at, button); }
    void doubleClick(Control& control, Point at) { ui_.doubleClick(control, at); }
    void dragInNextLoop(Form& form, Point grip, Point by, int steps) {
        ui_.press(form, grip);
        sim::as<sim::SimForm>(form).setNextDrag(by.x, by.y, steps);
    }
    void advance(int milliseconds) { ui_.advance(milliseconds); }
    std::int64_t now() const { return clock_.now(); }
    static bool childOf(const Control& child, const Surface& container) {
        return node(child).parent() == &node(container);
    }
    static bool inFront(const Control& control, const Control& sibling) {
        return node(control).zOrder() > node(sibling).zOrder();
    }

private:
    static const sim::SimNode& node(const Control& control) { return dynamic_cast<const sim::SimNode&>(control); }

    sim::SimClock clock_;
    sim::SimUi ui_{clock_};
};

INSTANTIATE_TYPED_TEST_SUITE_P(SimCanvas, CanvasContract, SimDriver);
INSTANTIATE_TYPED_TEST_SUITE_P(SimForm, FormContract, SimDriver);
INSTANTIATE_TYPED_TEST_SUITE_P(SimLoop, LoopContract, SimDriver);
INSTANTIATE_TYPED_TEST_SUITE_P(SimTimer, TimerContract, SimDriver);
INSTANTIATE_TYPED_TEST_SUITE_P(SimInput, InputContract, SimDriver);

}  // namespace
}  // namespace fluvane::platform::contract

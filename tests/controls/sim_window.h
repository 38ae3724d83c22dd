#pragma once

#include "platform/sim/sim_form.h"
#include "platform/sim/sim_ui.h"

#include <memory>
#include <vector>

namespace fluvane::controls::testing {

// A shown form on the simulated platform with one child surface for a control
// under test. Members are declared so that the platform outlives the control.
class SimWindow {
public:
    explicit SimWindow(platform::Rect geometry) : form_(ui.createForm()), surface(form_->addSurface()) {
        form_->setGeometry({0, 0, 800, 600});
        form_->show();
        surface.setGeometry(geometry);
    }

    platform::sim::SimClock clock;
    platform::sim::SimUi ui{clock};

private:
    std::unique_ptr<platform::Form> form_;

public:
    platform::Surface& surface;
};

// The recording canvas of a control's off-screen buffer.
inline platform::sim::SimCanvas& canvasOf(platform::Buffer* buffer) {
    return dynamic_cast<platform::sim::SimBuffer&>(*buffer).simCanvas();
}

template <class Op>
std::vector<Op> opsOfKind(const std::vector<platform::sim::DrawOp>& ops) {
    std::vector<Op> found;
    for (const auto& op : ops)
        if (const Op* match = std::get_if<Op>(&op)) found.push_back(*match);
    return found;
}

}  // namespace fluvane::controls::testing

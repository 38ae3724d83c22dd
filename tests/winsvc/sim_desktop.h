#pragma once

#include "platform/sim/sim_form.h"
#include "platform/sim/sim_ui.h"

#include <gtest/gtest.h>

#include <memory>

namespace fluvane::winsvc::testing {

// A 1920x1080 simulated screen with a 40-pixel taskbar along the bottom.
class SimDesktop : public ::testing::Test {
protected:
    SimDesktop() {
        ui.setScreenSize({1920, 1080});
        ui.setWorkArea({0, 0, 1920, 1040});
        ui.setTaskbarRect({0, 1040, 1920, 1080});
    }

    // A shown window at `place`, owned by the test.
    std::unique_ptr<platform::Form> window(platform::Rect place) {
        auto form = ui.createForm();
        form->setGeometry(place);
        form->show();
        return form;
    }

    static platform::sim::SimForm& sim(platform::Form& form) { return dynamic_cast<platform::sim::SimForm&>(form); }

    platform::sim::SimClock clock;
    platform::sim::SimUi ui{clock};
};

}  // namespace fluvane::winsvc::testing

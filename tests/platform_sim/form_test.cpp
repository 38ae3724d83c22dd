#include "sim_fixture.h"

namespace fluvane::platform::sim::testing {
namespace {

TEST(SimFormTest, HandlesAreUniqueAndAClosedFormsHandleFindsNothing) {
    SimClock clock;
    SimUi ui(clock);
    auto form = ui.createForm();
    auto other = ui.createForm();
    EXPECT_NE(form->handle(), 0u);
    EXPECT_NE(other->handle(), form->handle());
    EXPECT_EQ(ui.formByHandle(other->handle()), other.get());
    other->close();
    EXPECT_EQ(ui.formByHandle(other->handle()), nullptr);
}

}  // namespace
}  // namespace fluvane::platform::sim::testing

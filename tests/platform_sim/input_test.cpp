#include "sim_fixture.h"
#include "support/mouse_log.h"

#include <string>
#include <vector>

namespace fluvane::platform::sim::testing {
namespace {

using platform::MouseEvent;

class InputTest : public SimTest {
protected:
    InputTest() : form(ui().createForm()), left(form->addSurface()), right(form->addSurface()) {
        form->setGeometry(Rect::fromSize(200, 100, 400, 300));
        left.setGeometry(Rect::fromSize(0, 0, 100, 100));
        right.setGeometry(Rect::fromSize(150, 20, 100, 100));
        watch("left", left);
        watch("right", right);
        form->show();
    }

    void watch(const std::string& name, platform::Control& control) {
        testsupport::LogMouse(log, name, control);
        control.events.mouseLeave = [this, name] { log.push_back(name + " leave"); };
        control.events.mouseWheel = [this, name](int delta, const MouseEvent& e) {
            log.push_back(name + " wheel " + std::to_string(delta) + " " + std::to_string(e.x) + "," +
                          std::to_string(e.y));
        };
    }

    std::unique_ptr<platform::Form> form;
    platform::Surface& left;
    platform::Surface& right;
    std::vector<std::string> log;
};

TEST_F(InputTest, AMoveLoopAPressStartsTakesTheReleaseAndSoTheClick) {
    left.events.mouseDown = [this](const MouseEvent&) {
        form->sendMessage(platform::msg::SysCommand, platform::syscmd::DragMove, 0);
    };
    as<SimForm>(*form).setNextDrag(30, 0);
    EXPECT_TRUE(ui().click(left, {1, 1}));
    EXPECT_EQ(as<SimForm>(*form).sizeMoveLoops(), 1);
    EXPECT_EQ(form->geometry().left, 230);
    EXPECT_EQ(ui().buttonsHeld(), platform::button::None);
    EXPECT_TRUE(log.empty());
}

TEST_F(InputTest, InputToAControlNotShownIsDropped) {
    right.setVisible(false);
    EXPECT_FALSE(ui().click(right, {1, 1}));
    EXPECT_FALSE(ui().leave(right));
    form->setWindowState(platform::WindowState::Minimized);
    EXPECT_FALSE(ui().move(left, {1, 1}));
    EXPECT_TRUE(log.empty());
}

TEST_F(InputTest, FormsTakeInputByHandle) {
    watch("form", *form);
    ui().press(ui().form(form->handle()), {7, 8});
    ui().leave(ui().form(form->handle()));
    EXPECT_EQ(log, (std::vector<std::string>{"form down 7,8", "form leave"}));
    EXPECT_EQ(left.mapFromScreen({210, 130}), (Point{10, 30}));
    form->close();
    EXPECT_THROW(ui().form(form->handle()), std::out_of_range);
}

}  // namespace
}  // namespace fluvane::platform::sim::testing

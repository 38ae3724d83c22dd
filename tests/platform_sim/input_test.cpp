#include "sim_fixture.h"

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
        auto record = [this, name](const char* what) {
            return [this, name, what](const MouseEvent& e) {
                log.push_back(name + " " + what + " " + std::to_string(e.x) + "," + std::to_string(e.y));
            };
        };
        control.events.mouseMove = record("move");
        control.events.mouseDown = record("down");
        control.events.mouseUp = record("up");
        control.events.click = [this, name] { log.push_back(name + " click"); };
        control.events.doubleClick = [this, name] { log.push_back(name + " dblclick"); };
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

TEST_F(InputTest, CaptureTakesEventsRelativeToTheCapturingSurface) {
    left.events.mouseDown = [&](const MouseEvent&) { left.setCapture(); };
    left.events.mouseUp = [&](const MouseEvent& e) {
        log.push_back("left up " + std::to_string(e.x) + "," + std::to_string(e.y));
        left.releaseCapture();
    };
    ui().press(left, {10, 10});
    EXPECT_TRUE(left.hasCapture());
    ui().move(right, {5, 5}, platform::button::Left);
    ui().wheel(right, {5, 5}, -120);
    ui().release(right, {5, 5});
    EXPECT_FALSE(left.hasCapture());
    ui().move(right, {5, 5});
    EXPECT_EQ(log, (std::vector<std::string>{"left move 155,25", "left wheel -120 155,25", "left up 155,25",
                                             "right move 5,5"}));
}

TEST_F(InputTest, ClickAndDoubleClickFollowTheOriginalSequence) {
    ui().click(right, {1, 2});
    ui().doubleClick(right, {3, 4});
    EXPECT_EQ(log, (std::vector<std::string>{"right down 1,2", "right up 1,2", "right click",
                                             "right down 3,4", "right up 3,4", "right click", "right dblclick",
                                             "right up 3,4"}));
}

TEST_F(InputTest, RightClickRaisesNoClick) {
    ui().click(left, {1, 1}, platform::button::Right);
    EXPECT_EQ(log, (std::vector<std::string>{"left down 1,1", "left up 1,1"}));
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

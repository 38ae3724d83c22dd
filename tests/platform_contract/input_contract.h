#pragma once

#include "contract_fixture.h"

#include "platform/input.h"
#include "support/mouse_log.h"

namespace fluvane::platform::contract {

// Two surfaces on a form; what they are told of the mouse is logged.
template <class Driver>
class InputContract : public PlatformContract<Driver> {
protected:
    InputContract() : left(this->form->addSurface()), right(this->form->addSurface()) {
        left.setGeometry(Rect::fromSize(0, 0, 100, 100));
        right.setGeometry(Rect::fromSize(150, 20, 100, 100));
        watch("left", left);
        watch("right", right);
        this->driver.show(*this->form, Rect::fromSize(200, 100, 400, 300));
    }

    void watch(const std::string& name, Control& control) { testsupport::LogMouse(log, name, control); }

    // The pointer goes to the place first, as a user's does before pressing;
    // that move is not part of what a test looks at.
    void pointTo(Control& control, Point at) {
        const std::size_t logged = log.size();
        this->driver.move(control, at);
        log.resize(logged);
    }

    Surface& left;
    Surface& right;
    std::vector<std::string> log;
};

TYPED_TEST_SUITE_P(InputContract);

TYPED_TEST_P(InputContract, OnlyTheLeftButtonClicksAndADoubleClickComesInTheOriginalOrder) {
    this->pointTo(this->right, {1, 2});
    this->driver.click(this->right, {1, 2}, button::Right);
    this->driver.click(this->right, {1, 2});
    this->pointTo(this->right, {3, 4});
    this->driver.doubleClick(this->right, {3, 4});
    EXPECT_EQ(this->log, (std::vector<std::string>{"right down 1,2", "right up 1,2", "right down 1,2", "right up 1,2",
                                                   "right click", "right down 3,4", "right up 3,4", "right click",
                                                   "right dblclick", "right up 3,4"}));
}

TYPED_TEST_P(InputContract, CaptureTakesThePointerRelativeToTheCapturingSurface) {
    this->left.events.mouseDown = [this](const MouseEvent&) { this->left.setCapture(); };
    this->left.events.mouseUp = [this](const MouseEvent& e) {
        this->log.push_back("left up " + std::to_string(e.x) + "," + std::to_string(e.y));
        this->left.releaseCapture();
    };
    this->pointTo(this->left, {10, 10});
    this->driver.press(this->left, {10, 10});
    EXPECT_TRUE(this->left.hasCapture());
    this->driver.move(this->right, {5, 5});
    this->driver.release(this->right, {5, 5});
    EXPECT_FALSE(this->left.hasCapture());
    this->driver.move(this->right, {6, 6});
    EXPECT_EQ(this->log, (std::vector<std::string>{"left move 155,25", "left up 155,25", "right move 6,6"}));
}

TYPED_TEST_P(InputContract, AHiddenControlGetsNoInput) {
    this->right.setVisible(false);
    this->driver.click(this->right, {1, 1});
    this->driver.move(this->right, {2, 2});
    EXPECT_TRUE(this->log.empty());
}

REGISTER_TYPED_TEST_SUITE_P(InputContract, OnlyTheLeftButtonClicksAndADoubleClickComesInTheOriginalOrder,
                            CaptureTakesThePointerRelativeToTheCapturingSurface, AHiddenControlGetsNoInput);

}  // namespace fluvane::platform::contract

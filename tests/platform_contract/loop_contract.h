#pragma once

#include "contract_fixture.h"

#include <algorithm>

namespace fluvane::platform::contract {

template <class Driver>
class LoopContract : public PlatformContract<Driver> {
protected:
    LoopContract() {
        this->driver.show(*this->form, start);
        this->logMessages();
    }

    // Over the logging procedure: notes each proposed rectangle and its edge,
    // then lets `rewrite` change it.
    void watchProposals(std::function<void(Rect&)> rewrite) {
        previous_ = this->form->replaceProcedure(
            [this, rewrite](std::uint32_t m, std::uintptr_t w, std::intptr_t l) -> std::intptr_t {
                if (m == msg::Moving || m == msg::Sizing) {
                    auto& proposed = *reinterpret_cast<Rect*>(l);
                    proposals.push_back(proposed);
                    edges.push_back(w);
                    rewrite(proposed);
                }
                return previous_(m, w, l);
            });
    }

    const Rect start = Rect::fromSize(100, 100, 300, 200);
    std::vector<Rect> proposals;
    std::vector<std::uintptr_t> edges;

private:
    WindowProcedure previous_;
};

TYPED_TEST_SUITE_P(LoopContract);

TYPED_TEST_P(LoopContract, AMoveLoopRunsInsideTheCallWithRectanglesTheProceduresRewrite) {
    this->watchProposals([](Rect& r) {
        if (r.left < 20) r = Rect::fromSize(0, r.top, r.width(), r.height());  // a snap to the left edge
    });
    this->driver.dragInNextLoop(*this->form, {50, 50}, {-90, 10}, 2);
    this->form->sendMessage(msg::SysCommand, syscmd::DragMove, 0);

    EXPECT_EQ(this->messages, (std::vector<std::uint32_t>{msg::SysCommand, msg::EnterSizeMove, msg::Moving, msg::Moving,
                                                          msg::ExitSizeMove}));
    EXPECT_EQ(this->proposals, (std::vector{Rect::fromSize(55, 105, 300, 200), Rect::fromSize(10, 110, 300, 200)}))
        << "each proposal is the start moved by the pointer's offset so far";
    EXPECT_EQ(this->form->geometry(), Rect::fromSize(0, 110, 300, 200));
}

TYPED_TEST_P(LoopContract, ASizeLoopSendsSizingWithTheDraggedEdge) {
    this->watchProposals([](Rect& r) { r.right = std::max(r.right, r.left + 250); });  // a minimum width
    this->driver.dragInNextLoop(*this->form, {299, 199}, {-100, 10}, 2);
    this->form->sendMessage(msg::SysCommand, syscmd::Size | sizing::BottomRight, 0);

    EXPECT_EQ(this->messages, (std::vector<std::uint32_t>{msg::SysCommand, msg::EnterSizeMove, msg::Sizing, msg::Sizing,
                                                          msg::ExitSizeMove}));
    EXPECT_EQ(this->edges, (std::vector<std::uintptr_t>{sizing::BottomRight, sizing::BottomRight}));
    EXPECT_EQ(this->proposals, (std::vector{Rect::fromSize(100, 100, 250, 205), Rect::fromSize(100, 100, 200, 210)}));
    EXPECT_EQ(this->form->geometry(), Rect::fromSize(100, 100, 250, 210));
}

TYPED_TEST_P(LoopContract, WithoutTheLeftButtonHeldNothingIsDragged) {
    this->form->sendMessage(msg::SysCommand, syscmd::DragMove, 0);
    this->form->sendMessage(msg::SysCommand, syscmd::Size | sizing::Right, 0);
    EXPECT_EQ(this->messages, (std::vector<std::uint32_t>{msg::SysCommand, msg::SysCommand}));
    EXPECT_EQ(this->form->geometry(), this->start);
}

TYPED_TEST_P(LoopContract, AFormClosedDuringItsLoopEndsTheLoop) {
    this->watchProposals([this](Rect&) { this->form->close(); });
    this->driver.dragInNextLoop(*this->form, {50, 50}, {60, 0}, 3);
    this->form->sendMessage(msg::SysCommand, syscmd::DragMove, 0);

    EXPECT_EQ(this->messages,
              (std::vector<std::uint32_t>{msg::SysCommand, msg::EnterSizeMove, msg::Destroy, msg::Moving}))
        << "the procedure closed the form before passing Moving on; nothing follows";
    EXPECT_EQ(this->proposals.size(), 1u);
    EXPECT_FALSE(this->form->visible());
}

REGISTER_TYPED_TEST_SUITE_P(LoopContract, AMoveLoopRunsInsideTheCallWithRectanglesTheProceduresRewrite,
                            ASizeLoopSendsSizingWithTheDraggedEdge, WithoutTheLeftButtonHeldNothingIsDragged,
                            AFormClosedDuringItsLoopEndsTheLoop);

}  // namespace fluvane::platform::contract

#include "platform/sim/sim_form.h"

#include "platform/sim/sim_ui.h"

#include <algorithm>
#include <utility>

namespace fluvane::platform::sim {

using platform::WindowState;
namespace msg = platform::msg;
namespace syscmd = platform::syscmd;
namespace sizing = platform::sizing;

SimForm::SimForm(SimUi& ui, platform::WindowHandle handle)
    : SimSurfaceBase(ui, nullptr, Kind::Form),
      handle_(handle),
      procedure_([this](std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
          return defaultProcedure(message, wParam, lParam);
      }) {
    visible_ = false;
    ui_.forms_.push_back(this);
}

SimForm::~SimForm() {
    *closedFlag_ = true;
    std::erase(ui_.forms_, this);
}

bool SimForm::shown() const { return visible_ && !closed_ && state_ != WindowState::Minimized; }

void SimForm::setWindowState(WindowState state) {
    if (closed_ || state == state_) return;
    const Rect before = geometry_;
    applyState(state);
    // A new size raised it already.
    if (geometry_.width() == before.width() && geometry_.height() == before.height()) raise(events.resize);
}

void SimForm::applyState(WindowState state) {
    if (state_ == WindowState::Normal) normalGeometry_ = geometry_;
    state_ = state;
    if (state == WindowState::Maximized) {
        zoomed_ = true;
        maximize();
    } else if (state == WindowState::Normal && zoomed_) {
        zoomed_ = false;
        applyGeometry(normalGeometry_);
    }
}

void SimForm::maximize() {
    const Size screen = ui_.screenSize();
    platform::MinMaxInfo info;
    info.maxSize = {screen.width, screen.height};
    info.maxTrackSize = info.maxSize;
    sendMessage(msg::GetMinMaxInfo, 0, reinterpret_cast<std::intptr_t>(&info));
    applyGeometry(Rect::fromSize(info.maxPosition.x, info.maxPosition.y, info.maxSize.x, info.maxSize.y));
}

void SimForm::setForeground() {
    ++foregroundRequests_;
    bringForward();
}

void SimForm::show() {
    if (!closed_) applyVisible(true);
}

void SimForm::close() {
    if (closed_) return;
    raise(formEvents.unload);
    if (closed_) return;  // the unload handler closed it already
    sendMessage(msg::Destroy, 0, 0);
    closed_ = true;
    *closedFlag_ = true;
    visible_ = false;
    for (SimNode* node = ui_.capture_; node; node = node->parent())
        if (node == this) ui_.capture_ = nullptr;
}

platform::WindowProcedure SimForm::replaceProcedure(platform::WindowProcedure procedure) {
    auto previous = std::move(procedure_);
    procedure_ = std::move(procedure);
    return previous;
}

std::intptr_t SimForm::sendMessage(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
    if (closed_ || !procedure_) return 0;
    // The procedure may be replaced while it runs.
    auto procedure = procedure_;
    return procedure(message, wParam, lParam);
}

std::intptr_t SimForm::defaultProcedure(std::uint32_t message, std::uintptr_t wParam, std::intptr_t) {
    if (message == msg::SysCommand) sysCommand(wParam);
    return 0;
}

void SimForm::sysCommand(std::uintptr_t command) {
    // As on Windows, the low four bits belong to the system.
    switch (command & 0xFFF0) {
        case syscmd::Close:
            close();
            break;
        case syscmd::Minimize:
            setWindowState(WindowState::Minimized);
            break;
        case syscmd::Maximize:
            setWindowState(WindowState::Maximized);
            break;
        case syscmd::Restore:
            // A minimised window goes back to what it was before.
            setWindowState(state_ == WindowState::Minimized && zoomed_ ? WindowState::Maximized : WindowState::Normal);
            break;
        case syscmd::Move:  // DragMove shares it: 0xF012 & 0xFFF0
            systemLoop(0);
            break;
        case syscmd::Size:
            if (command & 0xF) systemLoop(command & 0xF);
            break;
        default:
            break;
    }
}

// Without the left button held there is nothing to drag; the loop ends with
// the button's release.
void SimForm::systemLoop(std::uintptr_t edge) {
    if (!(ui_.buttonsHeld() & platform::button::Left)) return;
    const Drag drag = std::exchange(nextDrag_, Drag{});
    runSizeMoveLoop(edge, drag.dx, drag.dy, drag.steps);
    ui_.buttonsHeld_ &= ~platform::button::Left;
}

void SimForm::simulateDrag(int dx, int dy, int steps) { runSizeMoveLoop(0, dx, dy, steps); }

void SimForm::simulateResizeDrag(std::uintptr_t edge, int dx, int dy, int steps) {
    runSizeMoveLoop(edge, dx, dy, steps);
}

void SimForm::runSizeMoveLoop(std::uintptr_t edge, int dx, int dy, int steps) {
    ++sizeMoveLoops_;
    steps = std::max(steps, 1);
    sendMessage(msg::EnterSizeMove, 0, 0);
    const Rect start = geometry_;
    for (int step = 1; step <= steps && !closed_; ++step) {
        const int x = dx * step / steps;
        const int y = dy * step / steps;
        Rect proposed = start;
        if (edge == 0) {
            proposed = {start.left + x, start.top + y, start.right + x, start.bottom + y};
        } else {
            if (edge == sizing::Left || edge == sizing::TopLeft || edge == sizing::BottomLeft) proposed.left += x;
            if (edge == sizing::Right || edge == sizing::TopRight || edge == sizing::BottomRight) proposed.right += x;
            if (edge == sizing::Top || edge == sizing::TopLeft || edge == sizing::TopRight) proposed.top += y;
            if (edge == sizing::Bottom || edge == sizing::BottomLeft || edge == sizing::BottomRight)
                proposed.bottom += y;
        }
        sendMessage(edge == 0 ? msg::Moving : msg::Sizing, edge, reinterpret_cast<std::intptr_t>(&proposed));
        if (!closed_) applyGeometry(proposed);
    }
    sendMessage(msg::ExitSizeMove, 0, 0);
}

}  // namespace fluvane::platform::sim

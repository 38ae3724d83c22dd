#pragma once

#include "platform/form.h"
#include "platform/sim/sim_controls.h"

#include <optional>

namespace fluvane::platform::sim {

// A top-level window. Its original procedure does what the window manager
// would: SysCommand Close closes the form, Minimize/Maximize/Restore change
// the state, DragMove and Size (with the edge in the low four bits) run a move
// or size loop while the left button is held (SimUi::buttonsHeld), by the
// displacement set with setNextDrag (none by default); the loop ends with the
// button up. Maximising asks the procedure chain for GetMinMaxInfo (proposing
// the whole screen at 0,0) and takes maxPosition and maxSize as its geometry.
class SimForm final : public SimSurfaceBase<platform::Form> {
public:
    SimForm(SimUi& ui, platform::WindowHandle handle);
    ~SimForm() override;

    platform::WindowHandle handle() const override { return handle_; }
    std::string caption() const override { return caption_; }
    void setCaption(const std::string& text) override { caption_ = text; }
    void setIcon(std::shared_ptr<platform::Picture> icon) override { icon_ = std::move(icon); }
    void setOwner(platform::Form* owner) override { owner_ = owner; }
    void setTopmost(bool topmost) override { topmost_ = topmost; }
    void setShowInTaskbar(bool show) override { showInTaskbar_ = show; }
    void setRegion(std::optional<platform::RoundedRect> region) override { region_ = region; }
    void setAlpha(int alpha) override { alpha_ = alpha; }
    platform::WindowState windowState() const override { return state_; }
    void setWindowState(platform::WindowState state) override;
    void setForeground() override;
    void show() override;
    void hide() override { applyVisible(false); }
    void close() override;
    platform::WindowProcedure replaceProcedure(platform::WindowProcedure procedure) override;
    std::intptr_t sendMessage(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;

    bool shown() const override;

    const std::shared_ptr<platform::Picture>& icon() const { return icon_; }
    platform::Form* owner() const { return owner_; }
    bool topmost() const { return topmost_; }
    bool showInTaskbar() const { return showInTaskbar_; }
    const std::optional<platform::RoundedRect>& region() const { return region_; }
    int alpha() const { return alpha_; }
    bool closed() const { return closed_; }
    // True from the close on, for the window's timers, which may outlive it.
    std::shared_ptr<const bool> closedFlag() const { return closedFlag_; }
    int foregroundRequests() const { return foregroundRequests_; }
    // Move and size loops run so far, by system command or simulated drag.
    int sizeMoveLoops() const { return sizeMoveLoops_; }

    // The user drags the window by (dx, dy) in `steps` equal moves: EnterSizeMove,
    // one Moving per step with the start rectangle plus the offset so far (the
    // geometry becomes the rectangle as the procedures left it), ExitSizeMove.
    // A form closed meanwhile ends the loop.
    void simulateDrag(int dx, int dy, int steps = 1);
    // The user drags an edge (a platform::sizing value) by (dx, dy): Sizing,
    // with the edge in wParam, instead of Moving.
    void simulateResizeDrag(std::uintptr_t edge, int dx, int dy, int steps = 1);
    // What the next move or size loop started by a system command drags by.
    void setNextDrag(int dx, int dy, int steps = 1) { nextDrag_ = {dx, dy, steps}; }

private:
    std::intptr_t defaultProcedure(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);
    void sysCommand(std::uintptr_t command);
    void maximize();
    void applyState(platform::WindowState state);
    void systemLoop(std::uintptr_t edge);
    // The loop of a drag by (dx, dy); `edge` 0 moves the window.
    void runSizeMoveLoop(std::uintptr_t edge, int dx, int dy, int steps);

    struct Drag {
        int dx = 0;
        int dy = 0;
        int steps = 1;
    };

    platform::WindowHandle handle_;
    platform::WindowProcedure procedure_;
    std::string caption_;
    std::shared_ptr<platform::Picture> icon_;
    platform::Form* owner_ = nullptr;
    bool topmost_ = false;
    bool showInTaskbar_ = true;
    std::optional<platform::RoundedRect> region_;
    int alpha_ = 255;
    platform::WindowState state_ = platform::WindowState::Normal;
    Rect normalGeometry_;
    bool zoomed_ = false;  // the geometry is the maximised one, even while minimised
    bool closed_ = false;
    std::shared_ptr<bool> closedFlag_ = std::make_shared<bool>(false);
    int foregroundRequests_ = 0;
    int sizeMoveLoops_ = 0;
    Drag nextDrag_;
};

}  // namespace fluvane::platform::sim

#pragma once

#include "platform/controls.h"
#include "platform/messages.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace fluvane::platform {

enum class WindowState { Normal, Minimized, Maximized };

using WindowHandle = std::uintptr_t;

struct FormEvents {
    // The window is going away (closed by the logic or the window manager).
    std::function<void()> unload;
};

// A top-level window. As a Surface its geometry is its place on the screen,
// in pixels; its children lie in its client area.
class Form : public Surface {
public:
    virtual WindowHandle handle() const = 0;

    virtual std::string caption() const = 0;
    virtual void setCaption(const std::string& text) = 0;
    virtual void setIcon(std::shared_ptr<Picture> icon) = 0;
    virtual void setOwner(Form* owner) = 0;
    virtual void setTopmost(bool topmost) = 0;
    virtual void setShowInTaskbar(bool show) = 0;
    // Only the region's pixels show and take input (window coordinates); nothing resets it.
    virtual void setRegion(std::optional<RoundedRect> region) = 0;
    // 0 transparent … 255 opaque.
    virtual void setAlpha(int alpha) = 0;
    virtual WindowState windowState() const = 0;
    // Each change of state raises `resize` once, whether or not the size
    // changed, as a window is told its size on every change: restoring a
    // minimised window lays it out again.
    virtual void setWindowState(WindowState state) = 0;
    virtual void setForeground() = 0;

    virtual void show() = 0;
    virtual void hide() = 0;
    // Destroys the window; `unload` runs first.
    virtual void close() = 0;

    virtual WindowProcedure replaceProcedure(WindowProcedure procedure) = 0;
    // Through the current procedure. A move or size loop (SysCommand DragMove,
    // Move, Size) runs inside the call while the left button is held: the call
    // returns when the button is released or the form is closed.
    virtual std::intptr_t sendMessage(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) = 0;

    FormEvents formEvents;
};

}  // namespace fluvane::platform

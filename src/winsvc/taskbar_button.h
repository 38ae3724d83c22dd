#pragma once

#include "platform/form.h"
#include "winsvc/procedure_hook.h"
#include "winsvc/tray_balloon.h"

namespace fluvane::winsvc {

// 状态栏: the borderless window's taskbar button.
//
// The window must outlive this object or be closed first.
class 状态栏 {
public:
    状态栏(platform::Form& window, const 托盘气泡& tray) : window_(window), tray_(tray) {}

    // `TaskbarButtonBehaviour`: puts the taskbar-button procedure on the
    // window's chain, once. A close from the taskbar button or Alt+F4 first
    // hides the window when the tray icon can bring it back, then goes on down
    // the chain, so the platform closes the window as usual; without a
    // notification area nothing is hidden and the close simply quits.
    void TaskbarButtonBehaviour();

private:
    platform::Form& window_;
    const 托盘气泡& tray_;
    ProcedureHook procedure_;
};

}  // namespace fluvane::winsvc

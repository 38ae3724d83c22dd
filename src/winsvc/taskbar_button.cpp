#include "winsvc/taskbar_button.h"

#include "platform/messages.h"

namespace fluvane::winsvc {

void 状态栏::TaskbarButtonBehaviour() {
    procedure_.install(window_, [this](std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam,
                                       const platform::WindowProcedure& next) {
        if (message == platform::msg::SysCommand && wParam == platform::syscmd::Close && tray_.canHideToTray())
            window_.hide();
        return next(message, wParam, lParam);
    });
}

}  // namespace fluvane::winsvc

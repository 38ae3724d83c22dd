#pragma once

#include "platform/form.h"
#include "platform/geometry.h"
#include "platform/ui.h"
#include "winsvc/procedure_hook.h"

namespace fluvane::winsvc {

// 无边框窗体最大化: keeps a maximised borderless window off the taskbar.
class 无边框窗体最大化 {
public:
    explicit 无边框窗体最大化(platform::Ui& ui) : ui_(ui) {}

    // `TaskbarHeight`: the taskbar's height in twips (15 per pixel), whichever
    // edge it is on; 0 without a taskbar.
    float TaskbarHeight() const;

    // `MaximiseBounds`: bounds in pixels (a maximised dimension of 0 means the
    // screen's) and the hook on the window's procedure chain. The hook is
    // installed once, on the first window given; a later call only replaces
    // the bounds. It answers GetMinMaxInfo itself: the window maximises at the
    // work area's top-left corner to the maximised size cut to the work area,
    // so a panel on any edge stays visible. Everything else goes on down the
    // chain. The window must outlive this object or be closed first.
    void MaximiseBounds(platform::Form& window, platform::Size minimumTracking, platform::Size maximised);

private:
    std::intptr_t answerMinMaxInfo(std::intptr_t lParam) const;

    platform::Ui& ui_;
    platform::Size minimumTracking_;
    platform::Size maximised_;
    ProcedureHook hook_;
};

}  // namespace fluvane::winsvc

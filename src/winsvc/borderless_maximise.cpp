#include "winsvc/borderless_maximise.h"

#include "platform/shared/twips.h"

#include <algorithm>

namespace fluvane::winsvc {

float 无边框窗体最大化::TaskbarHeight() const { return platform::shared::pixelsToTwips(ui_.taskbarRect().height()); }

void 无边框窗体最大化::MaximiseBounds(platform::Form& window, platform::Size minimumTracking,
                                      platform::Size maximised) {
    const platform::Size screen = ui_.screenSize();
    minimumTracking_ = minimumTracking;
    maximised_ = {maximised.width != 0 ? maximised.width : screen.width,
                  maximised.height != 0 ? maximised.height : screen.height};
    hook_.install(window, [this](std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam,
                                 const platform::WindowProcedure& next) {
        if (message == platform::msg::GetMinMaxInfo && lParam != 0) return answerMinMaxInfo(lParam);
        return next(message, wParam, lParam);
    });
}

std::intptr_t 无边框窗体最大化::answerMinMaxInfo(std::intptr_t lParam) const {
    platform::Rect area = ui_.workArea();
    if (area.width() <= 0 || area.height() <= 0) area = {0, 0, ui_.screenSize().width, ui_.screenSize().height};
    const platform::Point size{std::min(maximised_.width, area.width()), std::min(maximised_.height, area.height())};
    auto& info = *reinterpret_cast<platform::MinMaxInfo*>(lParam);
    info.maxSize = size;
    info.maxPosition = {area.left, area.top};
    info.minTrackSize = {minimumTracking_.width, minimumTracking_.height};
    info.maxTrackSize = size;
    return 0;
}

}  // namespace fluvane::winsvc

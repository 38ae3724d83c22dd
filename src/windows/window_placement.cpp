#include "windows/window_placement.h"

namespace fluvane::windows {

void centreOn(platform::Form& form, platform::Rect area) {
    const platform::Rect window = form.geometry();
    form.setGeometry(platform::Rect::fromSize(area.left + (area.width() - window.width()) / 2,
                                              area.top + (area.height() - window.height()) / 2, window.width(),
                                              window.height()));
}

void centreOnScreen(platform::Form& form, platform::Ui& ui) {
    const platform::Size screen = ui.screenSize();
    centreOn(form, platform::Rect::fromSize(0, 0, screen.width, screen.height));
}

// A dragged window shows its own pointer; without a picture of its own that
// is the default one.
void startWindowDrag(platform::Form& form) {
    form.setCursor(platform::Cursor::Default);
    form.releaseCapture();
    form.sendMessage(platform::msg::SysCommand, platform::syscmd::DragMove, 0);
}

}  // namespace fluvane::windows

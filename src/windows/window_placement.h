#pragma once

#include "platform/form.h"
#include "platform/ui.h"

namespace fluvane::windows {

// Centres the window on `area` (screen pixels), keeping its size.
void centreOn(platform::Form& form, platform::Rect area);
void centreOnScreen(platform::Form& form, platform::Ui& ui);

// Hands the window to the platform's own move loop, as a press on a caption
// would: the window takes its own pointer, the mouse capture is released and
// the window asks to be dragged.
void startWindowDrag(platform::Form& form);

}  // namespace fluvane::windows

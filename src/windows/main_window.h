#pragma once

#include "mainwindow/form1.h"

#include <functional>

namespace fluvane::windows {

// The main window while it is loaded, else nothing. The windows that act on
// it ask each time: they may outlive the one they were opened from.
using LoadedMainWindow = std::function<mainwindow::Form1*()>;

}  // namespace fluvane::windows

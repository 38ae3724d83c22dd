#pragma once

#include "mainwindow/main_window.h"

#include <functional>

namespace fluvane::windows {

// The main window while it is loaded, else nothing. The windows that act on
// it ask each time: they may outlive the one they were opened from.
using LoadedMainWindow = std::function<mainwindow::MainWindow*()>;

}  // namespace fluvane::windows

#pragma once

#include "mainwindow/form1.h"

namespace fluvane::mainwindow {

// The one way tests reach the main window's controls, timers and values.
struct Form1Inside {
    static Form1& of(MainWindow& window) { return dynamic_cast<Form1&>(window); }
    static Form1Design& controls(MainWindow& window) { return of(window); }
    static ServerValues& values(MainWindow& window) { return of(window).values_; }
    static StartupSettings& settings(MainWindow& window) { return of(window).settings_; }
    static platform::Timer& T4(MainWindow& window) { return *of(window).T4; }
    static platform::Timer& T6(MainWindow& window) { return *of(window).popups_.T6; }
    static platform::Timer& zai(MainWindow& window) { return *of(window).listAd_.zai; }
    static platform::Timer& hit2(MainWindow& window) { return *of(window).hit2; }
    static platform::Timer& gun(MainWindow& window) { return *of(window).notices_.gun; }
    static platform::Timer& gun2(MainWindow& window) { return *of(window).notices_.gun2; }
    static platform::Timer& gun(NoticeLine& line) { return *line.gun; }
    static platform::Timer& gun2(NoticeLine& line) { return *line.gun2; }
};

// The control tree of `window`, as tests read it.
inline Form1Design& controlsOf(MainWindow& window) { return Form1Inside::controls(window); }

}  // namespace fluvane::mainwindow

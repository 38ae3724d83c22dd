#include "mainwindow/form1.h"

namespace fluvane::mainwindow {

// The skin ends by arming the first navigation.
void Form1::LoadSkin() { T4->setEnabled(true); }

}  // namespace fluvane::mainwindow

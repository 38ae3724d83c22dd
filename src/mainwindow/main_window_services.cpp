#include "mainwindow/main_window_services.h"

#include "mainwindow/form1.h"

namespace fluvane::mainwindow {

void MainWindowServices::LoadSkin(Form1& form) { form.T4->setEnabled(true); }

}  // namespace fluvane::mainwindow

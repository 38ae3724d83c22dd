#include "platform/qt/qt_open_forms.h"

#include <QCoreApplication>

namespace fluvane::platform::qt {

void QtOpenForms::closed() {
    if (--open_ == 0) QCoreApplication::quit();
}

}  // namespace fluvane::platform::qt

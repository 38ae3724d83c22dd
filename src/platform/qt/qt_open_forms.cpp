#include "platform/qt/qt_open_forms.h"

#include <QCoreApplication>

namespace fluvane::qtplatform {

void QtOpenForms::closed() {
    if (--open_ == 0) QCoreApplication::quit();
}

}  // namespace fluvane::qtplatform

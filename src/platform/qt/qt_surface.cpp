#include "platform/qt/qt_surface.h"

namespace fluvane::platform::qt {

QtSurface::QtSurface(QWidget& parent, QtWebContext& web)
    : QtSurfaceBase(new SurfaceWidget(&parent), web) {
    surface().setGeometry(0, 0, 0, 0);
    surface().show();
}

}  // namespace fluvane::platform::qt

#include "platform/qt/qt_surface.h"

namespace fluvane::qtplatform {

QtSurface::QtSurface(QWidget& parent, QtWebContext& web)
    : QtSurfaceBase(new SurfaceWidget(&parent), web) {
    surface().setGeometry(0, 0, 0, 0);
    surface().show();
}

}  // namespace fluvane::qtplatform

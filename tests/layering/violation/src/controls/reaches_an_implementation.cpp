// A deliberate violation: the logic uses the platform through its interfaces only.
#include "platform/qt/qt_form.h"

// A deliberate violation: a platform may not reach the logic it serves.
#include "mainwindow/form1.h"

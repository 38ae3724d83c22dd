// A deliberate violation: the start-up helpers may not reach the main window.
#include "mainwindow/form1.h"
// And may not reach the operating system past the platform interfaces.
#include <unistd.h>

// A deliberate violation: only the main window may use pugixml.
#include <pugixml.hpp>

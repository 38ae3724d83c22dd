#pragma once

#include <QApplication>

namespace fluvane::platform::qt::testing {

// The one application object of a test binary, created on first use on the
// given Qt platform plugin, with a private home and the client's schemes
// registered. Nothing reaches the user's real home or desktop.
QApplication& testApplication(const char* platformPlugin);

}  // namespace fluvane::platform::qt::testing

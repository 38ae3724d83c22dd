#pragma once

#include "client/form_registry.h"
#include "client/loadme.h"
#include "platform/platform.h"

#include <memory>

namespace fluvane::client {

// The whole client on one platform: every window, starting with the start-up
// window, which hands over to the main window. The platform's event loop
// drives everything after start().
class Client {
public:
    explicit Client(platform::Platform& platform);
    Client(const Client&) = delete;
    Client& operator=(const Client&) = delete;

    void start();

    FormRegistry& forms() { return forms_; }
    loadme& startWindow() { return loadme_; }

private:
    FormRegistry forms_;
    loadme loadme_;
};

}  // namespace fluvane::client

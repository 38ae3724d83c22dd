#pragma once

#include "platform/platform.h"

#include <memory>

namespace fluvane::mainwindow {
class MainWindowServices;
}

namespace fluvane::client {

class loadme;

// The whole client on one platform: owns the start-up window, which hands
// over to the main window. The platform's event loop drives everything after
// start().
class Client {
public:
    explicit Client(platform::Platform& platform);
    ~Client();
    Client(const Client&) = delete;
    Client& operator=(const Client&) = delete;

    void start();

private:
    platform::Platform& platform_;
    std::unique_ptr<mainwindow::MainWindowServices> services_;
    std::unique_ptr<loadme> loadme_;
};

}  // namespace fluvane::client

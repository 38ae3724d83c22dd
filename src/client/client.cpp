#include "client/client.h"

#include "mainwindow/main_window_services.h"
#include "client/loadme.h"

namespace fluvane::client {

Client::Client(platform::Platform& platform)
    : platform_(platform), services_(std::make_unique<mainwindow::MainWindowServices>()) {}

Client::~Client() = default;

void Client::start() {
    loadme_ = std::make_unique<loadme>(platform_, *services_);
    loadme_->Form_Load();
}

}  // namespace fluvane::client

#pragma once

#include "platform/browser.h"
#include "platform/form.h"
#include "platform/services.h"
#include "platform/timer.h"
#include "platform/ui.h"

#include <string>

namespace fluvane::platform {

// Everything the logic may ask of a platform, handed to it at composition.
struct Platform {
    Ui& ui;
    Profile& profile;
    CodePage& codePage;
    Network& network;
    Processes& processes;
    Shell& shell;
    Files& files;
    Application& application;
    InstanceChannel& instanceChannel;
    std::string portalUrl;  // the portal base URL fixed in the program
    std::string checkUrl;   // the connectivity-check URL
};

}  // namespace fluvane::platform

#pragma once

#include "client/form_registry.h"

#include "support/app_fixture.h"
#include "support/form1_inside.h"

namespace fluvane::client {

// Every window of the client, the main window loaded and shown.
class FormRegistryTest : public testsupport::AppTest {
protected:
    FormRegistryTest() {
        writeSettings("False", "1.0");
        writeGbk("zelhe.db", serverConfig("1.0"));
        forms.Form1().show();
    }

    platform::sim::SimForm& simForm(platform::Form& form) { return platform::sim::as<platform::sim::SimForm>(form); }
    platform::Form* mainForm() { return &forms.Form1().form(); }

    FormRegistry forms{platform};
};

}  // namespace fluvane::client

#pragma once

#include "platform/platform.h"
#include "platform/sim/sim_browser.h"
#include "platform/sim/sim_clock.h"
#include "platform/sim/sim_form.h"
#include "platform/sim/sim_services.h"
#include "platform/sim/sim_ui.h"

#include <filesystem>
#include <string>
#include <vector>

namespace fluvane::platform::sim {

// The deterministic platform of the logic tests. Everything the logic makes
// through it (forms, timers, buffers) must be gone before it is.
//
// A test drives it through:
//   advance(ms), now()          virtual time; see SimClock and SimUi::advance
//   ui()                        forms, input, screen metrics, dialogs, tray,
//                               pictures, scripted browser documents
//   as<SimForm>(form), as<SimBrowser>(pane), as<SimDrawable>(surface) …
//                               the simulated side of a control
//   network(), processes(), shell(), application(), instanceChannel()
class SimPlatform {
public:
    // The desktop folder starts as applicationDirectory/"Desktop"; the check
    // URL defaults to the portal URL. The browser panes take the application
    // directory's files as local pages and `commandSchemes` (names without
    // "://") as commands, and open new windows through shell().
    SimPlatform(platform::Profile& profile, platform::CodePage& codePage,
                const std::filesystem::path& applicationDirectory, const std::vector<std::string>& commandSchemes,
                std::string portalUrl = "http://127.0.0.1:8090", std::string checkUrl = {});

    platform::Platform platform();

    void advance(std::int64_t milliseconds) { ui_.advance(milliseconds); }
    std::int64_t now() const { return clock_.now(); }

    SimClock& clock() { return clock_; }
    SimUi& ui() { return ui_; }
    SimNetwork& network() { return network_; }
    SimProcesses& processes() { return processes_; }
    SimShell& shell() { return shell_; }
    SimFiles& files() { return files_; }
    SimApplication& application() { return application_; }
    SimInstanceChannel& instanceChannel() { return instanceChannel_; }

private:
    platform::Profile& profile_;
    platform::CodePage& codePage_;
    std::string portalUrl_;
    std::string checkUrl_;
    SimClock clock_;
    SimUi ui_;
    SimNetwork network_;
    SimApplication application_;
    SimProcesses processes_;
    SimShell shell_;
    SimFiles files_;
    SimInstanceChannel instanceChannel_;
};

}  // namespace fluvane::platform::sim

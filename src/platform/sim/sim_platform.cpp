#include "platform/sim/sim_platform.h"

namespace fluvane::platform::sim {

SimPlatform::SimPlatform(platform::Profile& profile, platform::CodePage& codePage,
                         const std::filesystem::path& applicationDirectory,
                         const std::vector<std::string>& commandSchemes, std::string portalUrl, std::string checkUrl)
    : profile_(profile),
      codePage_(codePage),
      portalUrl_(std::move(portalUrl)),
      checkUrl_(checkUrl.empty() ? portalUrl_ : std::move(checkUrl)),
      ui_(clock_, {applicationDirectory, commandSchemes, &shell_}),
      network_(clock_),
      application_(applicationDirectory),
      shell_(applicationDirectory / "Desktop") {}

platform::Platform SimPlatform::platform() {
    return {ui_,    profile_,     codePage_,        network_,   processes_, shell_,
            files_, application_, instanceChannel_, portalUrl_, checkUrl_};
}

}  // namespace fluvane::platform::sim

#include "platform/sim/sim_browser.h"

#include "platform/shared/navigation_policy.h"
#include "platform/sim/sim_ui.h"

namespace fluvane::platform::sim {

using shared::NavigationVerdict;

namespace {

NavigationVerdict verdictOf(const std::string& url, const SimBrowserSetup& setup) {
    return shared::judgeNavigation(url, setup.applicationDirectory, setup.commandSchemes);
}

}  // namespace

void SimBrowser::navigate(const std::string& url) {
    navigations_.push_back(url);
    raiseBeforeNavigate(url);
}

bool SimBrowser::raiseBeforeNavigate(const std::string& url, const platform::NavigationSource& source) {
    const NavigationVerdict verdict = verdictOf(url, ui_.browserSetup());
    if (verdict == NavigationVerdict::Refused) {
        refused_.push_back(url);
        return false;
    }
    const std::weak_ptr<int> alive = lifetime_;
    bool cancel = false;
    raise(browserEvents.beforeNavigate2, url, source, cancel);
    if (alive.expired() || cancel || verdict == NavigationVerdict::Command) return cancel;
    raise(browserEvents.downloadBegin);
    if (alive.expired()) return false;
    location_ = url;
    const platform::Document* scripted = ui_.documentForUrl(url);
    document_ = scripted ? *scripted : platform::Document{};
    raise(browserEvents.downloadComplete);
    return false;
}

void SimBrowser::requestNewWindow(const std::string& url, bool userGesture, const platform::NavigationSource& source) {
    if (!userGesture) return;
    const std::weak_ptr<int> alive = lifetime_;
    if (raiseNewWindow2() || alive.expired()) return;
    if (raiseNewWindow(url, source) || alive.expired()) return;
    const SimBrowserSetup& setup = ui_.browserSetup();
    if (setup.shell && verdictOf(url, setup) == NavigationVerdict::Web) setup.shell->openLink(url);
}

bool SimBrowser::raiseNewWindow(const std::string& url, const platform::NavigationSource& source) {
    bool processed = false;
    raise(browserEvents.newWindow, url, source, processed);
    return processed;
}

bool SimBrowser::raiseNewWindow2() {
    bool cancel = false;
    raise(browserEvents.newWindow2, cancel);
    return cancel;
}

bool SimBrowser::raiseContextMenu(Point screen) {
    if (!browserEvents.contextMenu) return false;
    raise(browserEvents.contextMenu, screen);
    return true;
}

}  // namespace fluvane::platform::sim

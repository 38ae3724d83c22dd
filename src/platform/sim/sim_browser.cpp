#include "platform/sim/sim_browser.h"

#include "platform/sim/sim_ui.h"

namespace fluvane::platform::sim {

void SimBrowser::navigate(const std::string& url) {
    navigations_.push_back(url);
    raiseBeforeNavigate(url);
}

bool SimBrowser::raiseBeforeNavigate(const std::string& url) {
    bool cancel = false;
    raise(browserEvents.beforeNavigate2, url, cancel);
    if (cancel) return true;
    raise(browserEvents.downloadBegin);
    location_ = url;
    const platform::Document* scripted = ui_.documentForUrl(url);
    document_ = scripted ? *scripted : platform::Document{};
    raise(browserEvents.downloadComplete);
    return false;
}

bool SimBrowser::raiseNewWindow(const std::string& url) {
    bool processed = false;
    raise(browserEvents.newWindow, url, processed);
    return processed;
}

bool SimBrowser::raiseNewWindow2() {
    bool cancel = false;
    raise(browserEvents.newWindow2, cancel);
    return cancel;
}

}  // namespace fluvane::platform::sim

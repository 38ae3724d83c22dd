#pragma once

#include "platform/browser.h"
#include "platform/services.h"
#include "platform/sim/sim_controls.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace fluvane::platform::sim {

enum class BrowserCall { Refresh, GoBack, GoForward };

// What the panes need from the composition, as the desktop's get it.
struct SimBrowserSetup {
    // Its files are the client's local pages; with none, no file is.
    std::filesystem::path applicationDirectory;
    // Scheme names without "://"; with none, no URL is a command.
    std::vector<std::string> commandSchemes;
    // Opens the new windows the logic leaves alone; with none, nothing opens.
    platform::Shell* shell = nullptr;
};

// A browser pane whose pages the test scripts. A navigation runs at once, in
// the engine's order, and only to URLs the navigation policy allows (others
// are recorded in refused() and raise nothing): beforeNavigate2 (a command URL
// ends there, as does a cancel: nothing loads and the location stays); then
// downloadBegin, the new location and document (the one scripted for the URL
// with SimUi::setDocumentForUrl, else an empty one), downloadComplete.
class SimBrowser final : public SimControl<platform::BrowserPane> {
public:
    SimBrowser(SimUi& ui, SimNode* parent) : SimControl(ui, parent, Kind::Browser) {}

    void navigate(const std::string& url) override;
    void setSilent(bool silent) override { silent_ = silent; }
    bool silent() const override { return silent_; }
    // Recorded only: history and reloading are the engine's business.
    void refresh() override { calls_.push_back(BrowserCall::Refresh); }
    void goBack() override { calls_.push_back(BrowserCall::GoBack); }
    void goForward() override { calls_.push_back(BrowserCall::GoForward); }
    std::string locationUrl() const override { return location_; }
    void setFullScreenAllowed(bool allowed) override { fullScreenAllowed_ = allowed; }
    bool fullScreenAllowed() const { return fullScreenAllowed_; }
    std::optional<platform::Document> document() const override { return document_; }

    // Every URL passed to navigate, in order, cancelled and refused ones included.
    const std::vector<std::string>& navigations() const { return navigations_; }
    // Every URL the navigation policy refused, from navigate or from the page.
    const std::vector<std::string>& refused() const { return refused_; }
    const std::vector<BrowserCall>& calls() const { return calls_; }

    // The page changed its content.
    void setDocument(platform::Document document) { document_ = std::move(document); }
    // The page navigates (a link was followed) on behalf of `source`; true if
    // a handler cancelled it.
    bool raiseBeforeNavigate(const std::string& url, const platform::NavigationSource& source = {});
    // The page asks for a new window on behalf of `source`, as the engine
    // reports it: only with a user's gesture; newWindow2, then newWindow, then
    // the user's browser for a window neither cancelled nor processed.
    void requestNewWindow(const std::string& url, bool userGesture = true,
                          const platform::NavigationSource& source = {});
    // The old-style new-window event alone; true if the handler set processed.
    bool raiseNewWindow(const std::string& url, const platform::NavigationSource& source = {});
    // The new-window event alone; true if the handler cancelled the window.
    bool raiseNewWindow2();
    // The user asks for the page's context menu at `screen`; true if the
    // logic took it, so that the page's own menu does not show.
    bool raiseContextMenu(Point screen);
    void raiseDownloadBegin() { raise(browserEvents.downloadBegin); }
    void raiseDownloadComplete() { raise(browserEvents.downloadComplete); }

private:
    std::vector<std::string> navigations_;
    std::vector<std::string> refused_;
    std::vector<BrowserCall> calls_;
    std::string location_;
    std::optional<platform::Document> document_;
    bool silent_ = false;
    bool fullScreenAllowed_ = false;
    // Handlers may destroy the pane (a window closing itself).
    std::shared_ptr<int> lifetime_ = std::make_shared<int>(0);
};

}  // namespace fluvane::platform::sim

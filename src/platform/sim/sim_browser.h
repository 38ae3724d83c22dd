#pragma once

#include "platform/browser.h"
#include "platform/sim/sim_controls.h"

#include <optional>
#include <string>
#include <vector>

namespace fluvane::platform::sim {

enum class BrowserCall { Refresh, GoBack, GoForward };

// A browser pane whose pages the test scripts. A navigation runs at once, in
// the engine's order: beforeNavigate2 (cancel ends it there, nothing loads and
// the location stays); then downloadBegin, the new location and document (the
// one scripted for the URL with SimUi::setDocumentForUrl, else an empty one),
// downloadComplete.
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
    std::optional<platform::Document> document() const override { return document_; }

    // Every URL passed to navigate, in order, cancelled ones included.
    const std::vector<std::string>& navigations() const { return navigations_; }
    const std::vector<BrowserCall>& calls() const { return calls_; }

    // The page changed its content.
    void setDocument(platform::Document document) { document_ = std::move(document); }
    // The page navigates (a link was followed); true if a handler cancelled it.
    bool raiseBeforeNavigate(const std::string& url);
    // The page opens a new window; true if the old-style handler set processed.
    bool raiseNewWindow(const std::string& url);
    // True if the handler cancelled the new window.
    bool raiseNewWindow2();
    void raiseDownloadBegin() { raise(browserEvents.downloadBegin); }
    void raiseDownloadComplete() { raise(browserEvents.downloadComplete); }

private:
    std::vector<std::string> navigations_;
    std::vector<BrowserCall> calls_;
    std::string location_;
    std::optional<platform::Document> document_;
    bool silent_ = false;
};

}  // namespace fluvane::platform::sim

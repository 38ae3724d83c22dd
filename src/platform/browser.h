#pragma once

#include "platform/controls.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace fluvane::platform {

struct DocumentLink {
    std::string href;       // the resolved target URL
    std::string innerText;  // valid UTF-8
    friend bool operator==(const DocumentLink&, const DocumentLink&) = default;
};

// What the logic reads of a pane's page: kept current by the platform after
// every load and after the page changes its links.
struct Document {
    std::string title;
    std::vector<DocumentLink> links;  // every "a" element, in document order
    friend bool operator==(const Document&, const Document&) = default;
};

struct BrowserEvents {
    std::function<void()> downloadBegin;
    // Setting cancel stops the navigation before anything loads.
    std::function<void(const std::string& url, bool& cancel)> beforeNavigate2;
    std::function<void(bool& cancel)> newWindow2;
    // The old-style new-window event; setting processed stops the window.
    std::function<void(const std::string& url, bool& processed)> newWindow;
    std::function<void()> downloadComplete;
};

// An embedded web browser. Command URLs of the client's schemes reach
// beforeNavigate2 like any other navigation.
class BrowserPane : public Control {
public:
    virtual void navigate(const std::string& url) = 0;
    virtual void setSilent(bool silent) = 0;
    virtual bool silent() const = 0;
    virtual void refresh() = 0;
    virtual void goBack() = 0;
    virtual void goForward() = 0;
    virtual std::string locationUrl() const = 0;
    // Nothing while no document has loaded.
    virtual std::optional<Document> document() const = 0;

    BrowserEvents browserEvents;
};

}  // namespace fluvane::platform

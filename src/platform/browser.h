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

// Who asked for a navigation or a new window. Only the portal's own documents
// command the client: the page on top may be any site a click led to, and
// frames of other sites (advertisements) live in the portal's pages.
struct NavigationSource {
    // The origin of the document that asked ("http://host:port", "file://";
    // "null" for a document without one); for a server's redirect, that of
    // the address that redirected. Empty when the client itself asked,
    // through navigate(), refresh() or the history.
    std::string origin;
    friend bool operator==(const NavigationSource&, const NavigationSource&) = default;
};

struct BrowserEvents {
    std::function<void()> downloadBegin;
    // Setting cancel stops the navigation before anything loads. Raised for
    // the frames of a page too, and only for URLs a pane may navigate to
    // (http, https, the client's local pages, its command schemes).
    std::function<void(const std::string& url, const NavigationSource& source, bool& cancel)> beforeNavigate2;
    std::function<void(bool& cancel)> newWindow2;
    // The old-style new-window event; setting processed stops the window.
    // Only a user's gesture asks for a new window, once per gesture; a window
    // neither cancelled nor processed opens in the user's browser (http and
    // https only), never inside the client.
    std::function<void(const std::string& url, const NavigationSource& source, bool& processed)> newWindow;
    std::function<void()> downloadComplete;
    // The user asks for the page's context menu at `screen` (screen pixels).
    // While this is set, the page's own menu never shows.
    std::function<void(Point screen)> contextMenu;
};

// An embedded web browser. Command URLs of the client's schemes reach
// beforeNavigate2 like any other navigation, and never load.
class BrowserPane : public Control {
public:
    // A URL or an absolute local file path. Anything but http, https, a file
    // inside the application directory or a command URL is refused: nothing
    // happens, no event is raised.
    virtual void navigate(const std::string& url) = 0;
    virtual void setSilent(bool silent) = 0;
    virtual bool silent() const = 0;
    virtual void refresh() = 0;
    virtual void goBack() = 0;
    virtual void goForward() = 0;
    virtual std::string locationUrl() const = 0;
    // Whether the page may show itself on the whole screen (a video's own
    // full-screen button); off until the logic allows it.
    virtual void setFullScreenAllowed(bool allowed) = 0;
    // Nothing while no document has loaded.
    virtual std::optional<Document> document() const = 0;

    BrowserEvents browserEvents;
};

}  // namespace fluvane::platform

#pragma once

#include "platform/browser.h"
#include "platform/qt/qt_controls.h"

#include <QObject>
#include <QString>
#include <QUrl>

#include <chrono>
#include <memory>
#include <optional>
#include <vector>

class QPoint;
class QWebEngineFullScreenRequest;
class QWebEngineNewWindowRequest;
class QWebEngineView;

namespace fluvane::platform::qt {

// The engine percent-encodes non-ASCII characters of URLs; pages and the logic
// write them as text ("dddisk://星河渡口@@@/tcab/"). Decodes escapes that form
// UTF-8 characters beyond ASCII and keeps every other escape as it is.
QString readableUrl(const QString& encoded);

// The text of a URL as the page wrote it, readable as above. Command URLs need
// not be valid URLs ("…@@@…" has no valid authority), and the engine hands them
// over as invalid QUrls: their text then survives only in QUrl's error report.
QString urlText(const QUrl& url);

class FullScreenWindow;
class PaneHolder;
class QtWebContext;
class QtWebPage;
struct QtNavigation;

// Every page that has loaded keeps a renderer process of the engine, so a
// pane makes its engine page only when it first navigates (a pane that never
// does costs nothing), and gives it back as soon as its window closes.
//
// A renderer can end abnormally (a crash, the out-of-memory killer): the pane
// then loads the page the client last sent it to again, at most three times
// a minute; after that it shows the client's page "页面已停止响应", whose
// button loads it again.
class QtBrowserPane : public QtControl<platform::BrowserPane> {
public:
    QtBrowserPane(QWidget& parent, QtWebContext& context);
    ~QtBrowserPane() override;

    void navigate(const std::string& url) override;
    void setSilent(bool silent) override;
    bool silent() const override;
    void refresh() override;
    void goBack() override;
    void goForward() override;
    std::string locationUrl() const override;
    void setFullScreenAllowed(bool allowed) override { fullScreenAllowed_ = allowed; }
    std::optional<platform::Document> document() const override { return document_; }

    // The window the pane is in has closed: the page and its renderer go now,
    // and the pane stays without one.
    void release();

private:
    PaneHolder& holder() const;
    // The engine's page, made on first use.
    QtWebPage& page();
    void detachPage();
    bool startNavigation(const QtNavigation& navigation);
    void openNewWindow(QWebEngineNewWindowRequest& request);
    void askAboutNewWindow(const std::string& url, const platform::NavigationSource& source);
    void showContextMenu(const QPoint& at);
    void loadEnded();
    void rendererEnded(int status, int exitCode);  // a QWebEnginePage::RenderProcessTerminationStatus
    void toggleFullScreen(QWebEngineFullScreenRequest& request);

    QtWebContext& context_;
    QWebEngineView* view_ = nullptr;  // with the page
    QtWebPage* page_ = nullptr;       // from the first navigation until the release
    bool released_ = false;
    bool silent_ = false;
    bool fullScreenAllowed_ = false;
    QUrl clientPage_;  // what the client last sent the pane to: what comes back after a crash
    std::vector<std::chrono::steady_clock::time_point> recoveries_;  // the reloads of the last minute
    std::unique_ptr<FullScreenWindow> fullScreen_;
    // Connections end with the pane, while its view may live a little longer.
    std::unique_ptr<QObject> connections_ = std::make_unique<QObject>();
    std::optional<platform::Document> document_;
};

// Releases the browser panes inside a window that has closed.
void releaseBrowserPanes(QWidget& window);

}  // namespace fluvane::platform::qt

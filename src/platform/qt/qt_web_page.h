#pragma once

#include <QWebEnginePage>

#include <functional>

namespace fluvane::platform::qt {

class QtWebContext;

// The engine's page with the hooks the panes need: navigations are asked
// about before they start, script dialogs can be silenced, and document
// snapshots are picked out of the console.
class QtWebPage : public QWebEnginePage {
public:
    QtWebPage(QtWebContext& context, QObject* parent);

    void setSilent(bool silent) { silent_ = silent; }
    bool silent() const { return silent_; }

    // Returns false to stop the navigation.
    std::function<bool(const QUrl& url, bool mainFrame)> navigationRequested;
    std::function<void(const QString& json)> documentReported;

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    void javaScriptAlert(const QUrl& origin, const QString& message) override;
    bool javaScriptConfirm(const QUrl& origin, const QString& message) override;
    bool javaScriptPrompt(const QUrl& origin, const QString& message, const QString& defaultValue,
                          QString* result) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                  int line, const QString& source) override;

private:
    QtWebContext& context_;
    bool silent_ = false;
};

}  // namespace fluvane::platform::qt

#pragma once

#include "platform/browser.h"

#include <QStringList>
#include <QWebEnginePage>

#include <functional>
#include <memory>

class QWebEngineUrlRequestInfo;
class QWebEngineUrlRequestInterceptor;

namespace fluvane::platform::qt {

class QtWebContext;

// A navigation about to start, once the engine knows who asked for it.
struct QtNavigation {
    QString url;  // readable, as the page wrote it
    platform::NavigationSource source;
    bool topLevel = true;  // it replaces the page, not a frame inside it
    bool command = false;  // a command URL: it stops whatever the answer
};

// The engine's page with the hooks the panes need. Navigations the policy
// refuses never start. The others are asked about when their request is
// about to go out, the first moment the engine tells who asked (the
// navigation request itself does not); a stopped one is redirected to the
// context's cancel mark, where it ends without a trace. Script dialogs can be
// silenced, and document snapshots are picked out of the console.
class QtWebPage : public QWebEnginePage {
public:
    QtWebPage(QtWebContext& context, QObject* parent);
    ~QtWebPage() override;

    void setSilent(bool silent) { silent_ = silent; }
    bool silent() const { return silent_; }

    // Returns false to stop the navigation.
    std::function<bool(const QtNavigation& navigation)> navigationStarting;
    // A load of the page itself ended, successfully or not; navigations that
    // never started (refused, stopped, commands) end unreported.
    std::function<void()> loadEnded;
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
    void interceptRequest(QWebEngineUrlRequestInfo& info);
    platform::NavigationSource sourceOf(const QWebEngineUrlRequestInfo& info) const;

    QtWebContext& context_;
    std::unique_ptr<QWebEngineUrlRequestInterceptor> interceptor_;
    bool silent_ = false;
    // URLs the engine announced as redirects, until their requests go out.
    QStringList redirects_;
};

}  // namespace fluvane::platform::qt

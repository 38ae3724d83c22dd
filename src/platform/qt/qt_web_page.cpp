#include "platform/qt/qt_web_page.h"

#include "platform/qt/qt_web_context.h"

#include <QWebEngineProfile>

namespace fluvane::platform::qt {

QtWebPage::QtWebPage(QtWebContext& context, QObject* parent)
    : QWebEnginePage(&context.profile(), parent), context_(context) {}

bool QtWebPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    // A server's redirect is part of the navigation already asked about.
    if (type == NavigationTypeRedirect || !navigationRequested) {
        return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
    }
    return navigationRequested(url, isMainFrame);
}

void QtWebPage::javaScriptAlert(const QUrl& origin, const QString& message) {
    if (!silent_) QWebEnginePage::javaScriptAlert(origin, message);
}

bool QtWebPage::javaScriptConfirm(const QUrl& origin, const QString& message) {
    return !silent_ && QWebEnginePage::javaScriptConfirm(origin, message);
}

bool QtWebPage::javaScriptPrompt(const QUrl& origin, const QString& message,
                                 const QString& defaultValue, QString* result) {
    return !silent_ && QWebEnginePage::javaScriptPrompt(origin, message, defaultValue, result);
}

void QtWebPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message,
                                         int, const QString&) {
    if (documentReported && message.startsWith(context_.reportPrefix())) {
        documentReported(message.mid(context_.reportPrefix().size()));
    }
}

}  // namespace fluvane::platform::qt

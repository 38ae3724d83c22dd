#include "platform/qt/qt_web_context.h"

#include "platform/qt/qt_document_script.h"
#include "platform/qt/qt_web_page.h"

#include <QCoreApplication>
#include <QUuid>
#include <QWebEngineProfile>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>
#include <QWebEngineView>

namespace fluvane::platform::qt {

namespace {

// Command URLs are for the client, never for the network: a navigation the
// logic lets through ends here without loading anything.
class DenyingSchemeHandler : public QWebEngineUrlSchemeHandler {
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;
    void requestStarted(QWebEngineUrlRequestJob* job) override {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
    }
};

}  // namespace

void QtWebContext::registerSchemes(const std::vector<std::string>& schemes) {
    for (const std::string& name : schemes) {
        QWebEngineUrlScheme scheme(QByteArray::fromStdString(name));
        // Commands put anything after the scheme ("dddisk://标题@@@/tcab/"):
        // no host to parse.
        scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
        QWebEngineUrlScheme::registerScheme(scheme);
    }
}

QtWebContext::QtWebContext(const std::vector<std::string>& schemes)
    : profile_(new QWebEngineProfile(this)),
      reportPrefix_(QStringLiteral("fluvane-document-") +
                    QUuid::createUuid().toString(QUuid::WithoutBraces) + QLatin1Char(':')) {
    profile_->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    profile_->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    // Portal pages open their windows from script, as they always could.
    profile_->settings()->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, true);
    auto* handler = new DenyingSchemeHandler(this);
    for (const std::string& name : schemes) {
        profile_->installUrlSchemeHandler(QByteArray::fromStdString(name), handler);
    }
    profile_->scripts()->insert(documentReportingScript(reportPrefix_));
}

QtWebContext::~QtWebContext() {
    for (const QPointer<QWebEngineView>& window : windows_) delete window.data();
    // Panes delete their views later; their pages must go before the profile.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QtWebPage& QtWebContext::openWindow(bool silent) {
    auto* view = new QWebEngineView;
    view->setAttribute(Qt::WA_DeleteOnClose);
    auto* page = new QtWebPage(*this, view);
    page->setSilent(silent);
    view->setPage(page);
    view->resize(800, 600);
    view->show();
    windows_.removeAll(nullptr);
    windows_.append(view);
    return *page;
}

}  // namespace fluvane::platform::qt

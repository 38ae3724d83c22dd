#include "platform/qt/qt_browser.h"

#include "platform/qt/qt_document_script.h"
#include "platform/qt/qt_raise.h"
#include "platform/qt/qt_readable_url.h"
#include "platform/qt/qt_web_context.h"
#include "platform/qt/qt_web_page.h"

#include <QWebEngineLoadingInfo>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineScript>
#include <QWebEngineView>

namespace fluvane::platform::qt {

QtBrowserPane::QtBrowserPane(QWidget& parent, QtWebContext& context)
    : QtControl(new QWebEngineView(&parent), false),
      context_(context),
      page_(new QtWebPage(context, widget())) {
    view().setPage(page_);
    view().setGeometry(0, 0, 0, 0);
    view().show();
    page_->navigationRequested = [this](const QUrl& url, bool mainFrame) {
        return allowNavigation(url, mainFrame);
    };
    page_->documentReported = [this](const QString& json) {
        if (auto parsed = parseDocument(json)) document_ = std::move(parsed);
    };
    QObject::connect(page_, &QWebEnginePage::loadingChanged, connections_.get(),
                     [this](const QWebEngineLoadingInfo& loading) { loadingChanged(loading); });
    QObject::connect(page_, &QWebEnginePage::newWindowRequested, connections_.get(),
                     [this](QWebEngineNewWindowRequest& request) { openNewWindow(request); });
}

QtBrowserPane::~QtBrowserPane() {
    page_->navigationRequested = nullptr;
    page_->documentReported = nullptr;
}

QWebEngineView& QtBrowserPane::view() const { return static_cast<QWebEngineView&>(*widget()); }

void QtBrowserPane::navigate(const std::string& url) {
    page_->load(QUrl(toQString(url), QUrl::TolerantMode));
}

void QtBrowserPane::setSilent(bool silent) { page_->setSilent(silent); }

bool QtBrowserPane::silent() const { return page_->silent(); }

void QtBrowserPane::refresh() { page_->triggerAction(QWebEnginePage::Reload); }

void QtBrowserPane::goBack() { page_->triggerAction(QWebEnginePage::Back); }

void QtBrowserPane::goForward() { page_->triggerAction(QWebEnginePage::Forward); }

std::string QtBrowserPane::locationUrl() const {
    return toStdString(urlText(page_->url()));
}

// The download begins once the navigation is let through, as it would with
// the system's browser control; a cancelled one never begins.
bool QtBrowserPane::allowNavigation(const QUrl& url, bool mainFrame) {
    const auto alive = lifetime();
    const QString text = urlText(url);
    bool cancel = false;
    raiseEvent(browserEvents.beforeNavigate2, toStdString(text), cancel);
    if (alive.expired()) return false;
    if (cancel) {
        constexpr qsizetype kRemembered = 16;
        cancelled_.append(text);
        if (cancelled_.size() > kRemembered) cancelled_.removeFirst();
        return false;
    }
    cancelled_.removeAll(text);
    if (mainFrame) raiseEvent(browserEvents.downloadBegin);
    return !alive.expired();
}

void QtBrowserPane::openNewWindow(QWebEngineNewWindowRequest& request) {
    const auto alive = lifetime();
    bool cancel = false;
    raiseEvent(browserEvents.newWindow2, cancel);
    if (alive.expired() || cancel) return;
    bool processed = false;
    raiseEvent(browserEvents.newWindow, toStdString(urlText(request.requestedUrl())), processed);
    if (alive.expired() || processed) return;
    request.openIn(&context_.openWindow(page_->silent()));
}

void QtBrowserPane::loadingChanged(const QWebEngineLoadingInfo& loading) {
    if (loading.status() == QWebEngineLoadingInfo::LoadStartedStatus) return;
    if (cancelled_.removeOne(urlText(loading.url()))) return;
    loadFinished();
}

// The snapshot is taken afresh before the logic hears of the load, so that it
// can read the document of the page that has just loaded.
void QtBrowserPane::loadFinished() {
    const auto alive = lifetime();
    page_->runJavaScript(
        documentSnapshotScript(), QWebEngineScript::ApplicationWorld,
        [this, alive](const QVariant& result) {
            if (alive.expired()) return;
            auto parsed = parseDocument(result.toString());
            document_ = parsed ? std::move(parsed)
                               : platform::Document{toStdString(page_->title()), {}};
            raiseEvent(browserEvents.downloadComplete);
        });
}

}  // namespace fluvane::platform::qt

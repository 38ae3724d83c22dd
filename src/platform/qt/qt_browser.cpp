#include "platform/qt/qt_browser.h"

#include "platform/qt/qt_document_script.h"
#include "platform/qt/qt_raise.h"
#include "platform/qt/qt_readable_url.h"
#include "platform/qt/qt_web_context.h"
#include "platform/qt/qt_web_page.h"

#include <QWebEngineNewWindowRequest>
#include <QWebEngineScript>
#include <QWebEngineView>

namespace fluvane::platform::qt {

using shared::NavigationVerdict;

QtBrowserPane::QtBrowserPane(QWidget& parent, QtWebContext& context)
    : QtControl(new QWebEngineView(&parent), false),
      context_(context),
      page_(new QtWebPage(context, widget())) {
    view().setPage(page_);
    view().setGeometry(0, 0, 0, 0);
    view().show();
    page_->navigationStarting = [this](const QtNavigation& navigation) {
        return startNavigation(navigation);
    };
    page_->loadEnded = [this] { loadEnded(); };
    page_->documentReported = [this](const QString& json) {
        if (auto parsed = parseDocument(json)) document_ = std::move(parsed);
    };
    QObject::connect(page_, &QWebEnginePage::newWindowRequested, connections_.get(),
                     [this](QWebEngineNewWindowRequest& request) { openNewWindow(request); });
}

QtBrowserPane::~QtBrowserPane() {
    page_->navigationStarting = nullptr;
    page_->loadEnded = nullptr;
    page_->documentReported = nullptr;
}

QWebEngineView& QtBrowserPane::view() const { return static_cast<QWebEngineView&>(*widget()); }

void QtBrowserPane::navigate(const std::string& url) {
    const NavigationVerdict verdict = context_.judge(url);
    if (verdict == NavigationVerdict::Refused) return;
    const QString text = toQString(url).trimmed();
    if (verdict == NavigationVerdict::LocalPage && text.startsWith(u'/')) {
        page_->load(QUrl::fromLocalFile(text));
    } else {
        page_->load(QUrl(text, QUrl::TolerantMode));
    }
}

void QtBrowserPane::setSilent(bool silent) { page_->setSilent(silent); }

bool QtBrowserPane::silent() const { return page_->silent(); }

void QtBrowserPane::refresh() { page_->triggerAction(QWebEnginePage::Reload); }

void QtBrowserPane::goBack() { page_->triggerAction(QWebEnginePage::Back); }

void QtBrowserPane::goForward() { page_->triggerAction(QWebEnginePage::Forward); }

std::string QtBrowserPane::locationUrl() const {
    return toStdString(urlText(page_->url()));
}

// The download begins once the navigation of the page is let through, as it
// would with the system's browser control; a cancelled one never begins, and
// a command never loads.
bool QtBrowserPane::startNavigation(const QtNavigation& navigation) {
    const auto alive = lifetime();
    bool cancel = false;
    raiseEvent(browserEvents.beforeNavigate2, toStdString(navigation.url), navigation.source, cancel);
    if (alive.expired() || cancel) return false;
    if (navigation.topLevel && !navigation.command) raiseEvent(browserEvents.downloadBegin);
    return !alive.expired();
}

// The engine asks only on a user's gesture, once per gesture; a window the
// logic neither cancels nor processes opens in the user's browser.
void QtBrowserPane::openNewWindow(QWebEngineNewWindowRequest& request) {
    if (!request.isUserInitiated()) return;
    const std::string url = toStdString(urlText(request.requestedUrl()));
    const auto alive = lifetime();
    bool cancel = false;
    raiseEvent(browserEvents.newWindow2, cancel);
    if (alive.expired() || cancel) return;
    bool processed = false;
    raiseEvent(browserEvents.newWindow, url, processed);
    if (alive.expired() || processed) return;
    if (context_.judge(url) == NavigationVerdict::Web) context_.shell().openLink(url);
}

// The snapshot is taken afresh before the logic hears of the load, so that it
// can read the document of the page that has just loaded.
void QtBrowserPane::loadEnded() {
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

#include "platform/qt/qt_web_page.h"

#include "platform/qt/qt_convert.h"
#include "platform/qt/qt_readable_url.h"
#include "platform/qt/qt_web_context.h"

#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>

namespace fluvane::platform::qt {

namespace {

using shared::NavigationVerdict;

class RequestInterceptor : public QWebEngineUrlRequestInterceptor {
public:
    explicit RequestInterceptor(std::function<void(QWebEngineUrlRequestInfo&)> intercept)
        : intercept_(std::move(intercept)) {}
    void interceptRequest(QWebEngineUrlRequestInfo& info) override { intercept_(info); }

private:
    std::function<void(QWebEngineUrlRequestInfo&)> intercept_;
};

// As browsers write an origin: "http://host:port" without a default port,
// "file://" for every local file.
std::string originOf(const QUrl& url) {
    if (!url.isValid() || url.isEmpty()) return {};
    if (url.isLocalFile()) return "file://";
    QUrl origin;
    origin.setScheme(url.scheme());
    origin.setHost(url.host());
    origin.setPort(url.port());
    return toStdString(origin.toString(QUrl::FullyEncoded));
}

}  // namespace

QtWebPage::QtWebPage(QtWebContext& context, QObject* parent)
    : QWebEnginePage(&context.profile(), parent),
      context_(context),
      interceptor_(std::make_unique<RequestInterceptor>(
          [this](QWebEngineUrlRequestInfo& info) { interceptRequest(info); })) {
    setUrlRequestInterceptor(interceptor_.get());
    connect(this, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo& loading) {
        if (loading.status() == QWebEngineLoadingInfo::LoadStartedStatus) return;
        // The engine reports the end of navigations that never started too.
        const NavigationVerdict verdict = context_.judge(toStdString(urlText(loading.url())));
        if (verdict != NavigationVerdict::Web && verdict != NavigationVerdict::LocalPage) return;
        const auto hook = loadEnded;
        if (hook) hook();
    });
}

QtWebPage::~QtWebPage() { setUrlRequestInterceptor(nullptr); }

bool QtWebPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool) {
    if (type == NavigationTypeRedirect && QtWebContext::isCancelMark(url)) return true;
    const QString text = urlText(url);
    if (context_.judge(toStdString(text)) == NavigationVerdict::Refused) return false;
    if (type == NavigationTypeRedirect) {
        constexpr qsizetype kRemembered = 16;
        redirects_.append(text);
        if (redirects_.size() > kRemembered) redirects_.removeFirst();
    }
    return true;
}

void QtWebPage::interceptRequest(QWebEngineUrlRequestInfo& info) {
    const auto resource = info.resourceType();
    if (resource != QWebEngineUrlRequestInfo::ResourceTypeMainFrame &&
        resource != QWebEngineUrlRequestInfo::ResourceTypeSubFrame) {
        return;
    }
    if (QtWebContext::isCancelMark(info.requestUrl())) return;
    const QString text = urlText(info.requestUrl());
    // A server's redirect belongs to the navigation already asked about; a
    // page's own (a script navigating while the page loads) is one of its own.
    if (redirects_.removeOne(text) &&
        info.navigationType() != QWebEngineUrlRequestInfo::NavigationTypeRedirect) {
        return;
    }
    const QtNavigation navigation{text, sourceOf(info),
                                  resource == QWebEngineUrlRequestInfo::ResourceTypeMainFrame,
                                  context_.judge(toStdString(text)) == NavigationVerdict::Command};
    const auto hook = navigationStarting;
    const bool proceed = !hook || hook(navigation);
    if (!proceed && !navigation.command) info.redirect(QtWebContext::cancelMark());
}

// Without an initiator the pane itself asked (navigate, reload, history), or a
// document whose origin is opaque (a sandboxed frame) did.
platform::NavigationSource QtWebPage::sourceOf(const QWebEngineUrlRequestInfo& info) const {
    if (info.initiator().isEmpty()) {
        const auto type = info.navigationType();
        const bool pane = type == QWebEngineUrlRequestInfo::NavigationTypeTyped ||
                          type == QWebEngineUrlRequestInfo::NavigationTypeReload ||
                          type == QWebEngineUrlRequestInfo::NavigationTypeBackForward;
        return pane ? platform::NavigationSource{true, {}} : platform::NavigationSource{false, "null"};
    }
    const std::string origin = originOf(info.initiator());
    const std::string page = originOf(history()->currentItem().url());
    return {!page.empty() && origin == page, origin};
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

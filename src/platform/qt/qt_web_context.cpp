#include "platform/qt/qt_web_context.h"

#include "platform/qt/qt_document_script.h"
#include "platform/qt/qt_request_interceptor.h"

#include <QCoreApplication>
#include <QUuid>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInfo>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>

#include <algorithm>

namespace fluvane::platform::qt {

namespace {

constexpr char kCancelScheme[] = "fluvane-cancelled";
// Pictures, styles and scripts of the portal, within a bound.
constexpr int kHttpCacheBytes = 200 * 1024 * 1024;

// Command URLs are for the client, never for the network: their requests end
// here, aborted, so the page stays as it was.
class AbortingSchemeHandler : public QWebEngineUrlSchemeHandler {
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;
    void requestStarted(QWebEngineUrlRequestJob* job) override { job->fail(QWebEngineUrlRequestJob::RequestAborted); }
};

std::vector<std::string> withCancelScheme(std::vector<std::string> schemes) {
    schemes.emplace_back(kCancelScheme);
    return schemes;
}

}  // namespace

void QtWebContext::registerSchemes(const std::vector<std::string>& schemes) {
    for (const std::string& name : withCancelScheme(schemes)) {
        QWebEngineUrlScheme scheme(QByteArray::fromStdString(name));
        // Commands put anything after the scheme ("dddisk://标题@@@/tcab/"):
        // no host to parse.
        scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
        QWebEngineUrlScheme::registerScheme(scheme);
    }
}

QtWebContext::QtWebContext(const std::vector<std::string>& schemes, std::filesystem::path applicationDirectory,
                           platform::Shell& shell, WebFolders folders)
    : folders_(std::move(folders)),
      reportPrefix_(QStringLiteral("fluvane-document-") + QUuid::createUuid().toString(QUuid::WithoutBraces) +
                    QLatin1Char(':')),
      schemes_(schemes),
      applicationDirectory_(std::move(applicationDirectory)),
      shell_(shell) {}

QWebEngineProfile* QtWebContext::makeProfile() {
    if (folders_.storage.empty()) {
        auto* memoryOnly = new QWebEngineProfile(this);
        memoryOnly->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
        memoryOnly->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
        return memoryOnly;
    }
    // A named profile keeps its storage on disk; the sign-in a site set
    // for longer than the session survives a restart.
    auto* kept = new QWebEngineProfile(QStringLiteral("fluvane"), this);
    kept->setPersistentStoragePath(QString::fromStdString(folders_.storage.string()));
    kept->setCachePath(QString::fromStdString(folders_.cache.string()));
    kept->setHttpCacheType(QWebEngineProfile::DiskHttpCache);
    kept->setHttpCacheMaximumSize(kHttpCacheBytes);
    kept->setPersistentCookiesPolicy(QWebEngineProfile::AllowPersistentCookies);
    return kept;
}

QWebEngineProfile& QtWebContext::profile() {
    if (profile_) return *profile_;
    profile_ = makeProfile();
    QWebEngineSettings& settings = *profile_->settings();
    // A local page reads no file, its own folder's included, and fetches
    // nothing from the network by script: a script that got into one must not
    // reach the user's files.
    settings.setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    settings.setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    // A page opens windows only on a user's gesture, one per gesture.
    settings.setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    // A title clicked on a library page plays without a second click, and a
    // video's own button may show it on the whole screen (where the pane allows).
    settings.setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, false);
    settings.setAttribute(QWebEngineSettings::FullScreenSupportEnabled, true);
    // Something dropped on a pane does not navigate it.
    settings.setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
    auto* handler = new AbortingSchemeHandler(this);
    for (const std::string& name : withCancelScheme(schemes_)) {
        profile_->installUrlSchemeHandler(QByteArray::fromStdString(name), handler);
    }
    profile_->scripts()->insert(documentReportingScript(reportPrefix_));
    interceptor_ =
        std::make_unique<RequestInterceptor>([this](QWebEngineUrlRequestInfo& info) { interceptRequest(info); });
    profile_->setUrlRequestInterceptor(interceptor_.get());
    return *profile_;
}

// The local pages share one renderer (one process per site): a hidden page of
// theirs starts it, and the first pane's own page finds it running.
void QtWebContext::warmUp() {
    // A pane that navigated first has started it all already.
    if (profile_) return;
    warmPage_ = new QWebEnginePage(&profile(), this);
    warmPage_->load(QUrl::fromLocalFile(
        QString::fromStdString((applicationDirectory_ / "zelskin" / "html" / "Loading.html").string())));
}

void QtWebContext::endWarmUp() {
    if (warmPage_) warmPage_->deleteLater();
}

void QtWebContext::awaitNewWindowRequest(QObject& owner, const QUrl& url,
                                         std::function<void(const QWebEngineUrlRequestInfo&)> told) {
    awaited_.push_back({&owner, url, std::move(told)});
}

void QtWebContext::interceptRequest(QWebEngineUrlRequestInfo& info) {
    awaited_.remove_if([](const AwaitedRequest& awaited) { return !awaited.owner; });
    if (awaited_.empty() || info.resourceType() != QWebEngineUrlRequestInfo::ResourceTypeMainFrame) return;
    const auto awaited = std::find_if(awaited_.begin(), awaited_.end(),
                                      [&](const AwaitedRequest& a) { return a.url == info.requestUrl(); });
    if (awaited == awaited_.end()) return;
    info.block(true);
    const auto told = std::move(awaited->told);
    awaited_.erase(awaited);
    told(info);
}

QtWebContext::~QtWebContext() {
    delete warmPage_;
    if (profile_) profile_->setUrlRequestInterceptor(nullptr);
    // Panes delete their views later; their pages must go before the profile.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

shared::NavigationVerdict QtWebContext::judge(std::string_view url) const {
    return shared::judgeNavigation(url, applicationDirectory_, schemes_);
}

QUrl QtWebContext::stoppedPage(const QUrl& page) const {
    QUrl stopped = QUrl::fromLocalFile(
        QString::fromStdString((applicationDirectory_ / "zelskin" / "html" / "stopped.html").string()));
    stopped.setFragment(QString::fromLatin1(QUrl::toPercentEncoding(page.toString(QUrl::FullyEncoded))));
    return stopped;
}

QUrl QtWebContext::cancelMark() { return QUrl(QString::fromLatin1(kCancelScheme) + QLatin1Char(':')); }

bool QtWebContext::isCancelMark(const QUrl& url) { return url.scheme() == QLatin1String(kCancelScheme); }

}  // namespace fluvane::platform::qt

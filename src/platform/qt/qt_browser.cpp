#include "platform/qt/qt_browser.h"

#include "platform/qt/qt_convert.h"
#include "platform/qt/qt_document_script.h"
#include "platform/qt/qt_full_screen.h"
#include "platform/qt/qt_request_interceptor.h"
#include "platform/qt/qt_trace.h"
#include "platform/qt/qt_web_context.h"
#include "platform/shared/url.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QMenu>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringList>
#include <QTimer>
#include <QWebEngineFullScreenRequest>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineView>
#include <QWidget>

#include <functional>
#include <iostream>
#include <memory>

namespace fluvane::platform::qt {

using shared::NavigationVerdict;

namespace {

int hexValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    return -1;
}

// The byte of the escape at `at`, or -1.
int escapedByte(const QString& text, qsizetype at) {
    if (at + 2 >= text.size() || text[at] != u'%') return -1;
    const int high = hexValue(text[at + 1]), low = hexValue(text[at + 2]);
    return high < 0 || low < 0 ? -1 : high * 16 + low;
}

// As browsers write an origin: "http://host:port" without a default port,
// "file://" for every local file; empty for any other.
std::string originOf(const QUrl& url) {
    if (!url.isValid() || url.isEmpty()) return {};
    if (url.isLocalFile()) return "file://";
    return shared::webOrigin(toStdString(url.toString(QUrl::FullyEncoded)));
}

// Who asked for a request of a frame. Without an initiator the pane itself
// asked (navigate, reload, history), or a document whose origin is opaque (a
// sandboxed frame) did; an opaque origin never reads as the client's own.
platform::NavigationSource sourceOfRequest(const QWebEngineUrlRequestInfo& info) {
    if (info.initiator().isEmpty()) {
        const auto type = info.navigationType();
        const bool pane = type == QWebEngineUrlRequestInfo::NavigationTypeTyped ||
                          type == QWebEngineUrlRequestInfo::NavigationTypeReload ||
                          type == QWebEngineUrlRequestInfo::NavigationTypeBackForward;
        return pane ? platform::NavigationSource{} : platform::NavigationSource{"null"};
    }
    const std::string origin = originOf(info.initiator());
    return {origin.empty() ? "null" : origin};
}

}  // namespace

QString readableUrl(const QString& encoded) {
    QString result;
    result.reserve(encoded.size());
    qsizetype i = 0;
    while (i < encoded.size()) {
        QByteArray bytes;
        qsizetype end = i;
        for (int byte; (byte = escapedByte(encoded, end)) >= 0x80; end += 3) bytes.append(char(byte));
        if (bytes.isEmpty()) {
            result.append(encoded[i++]);
            continue;
        }
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = decoder.decode(bytes);
        result.append(decoder.hasError() ? encoded.mid(i, end - i) : decoded);
        i = end;
    }
    return result;
}

QString urlText(const QUrl& url) {
    if (url.isValid()) return readableUrl(url.toString(QUrl::FullyEncoded));
    static const QRegularExpression source(QStringLiteral(R"re(source was "(.*?)"(?:; scheme = |;?$))re"));
    return readableUrl(source.match(url.errorString()).captured(1));
}

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
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int line,
                                  const QString& source) override;

private:
    void interceptRequest(QWebEngineUrlRequestInfo& info);

    QtWebContext& context_;
    std::unique_ptr<QWebEngineUrlRequestInterceptor> interceptor_;
    bool silent_ = false;
    // URLs the engine announced as redirects, until their requests go out.
    QStringList redirects_;
};

QtWebPage::QtWebPage(QtWebContext& context, QObject* parent)
    : QWebEnginePage(&context.profile(), parent),
      context_(context),
      interceptor_(
          std::make_unique<RequestInterceptor>([this](QWebEngineUrlRequestInfo& info) { interceptRequest(info); })) {
    setUrlRequestInterceptor(interceptor_.get());
    connect(this, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo& loading) {
        if (loading.status() == QWebEngineLoadingInfo::LoadStartedStatus) return;
        context_.endWarmUp();
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
    if (redirects_.removeOne(text) && info.navigationType() != QWebEngineUrlRequestInfo::NavigationTypeRedirect) {
        return;
    }
    const QtNavigation navigation{text, sourceOfRequest(info),
                                  resource == QWebEngineUrlRequestInfo::ResourceTypeMainFrame,
                                  context_.judge(toStdString(text)) == NavigationVerdict::Command};
    const auto hook = navigationStarting;
    const bool proceed = !hook || hook(navigation);
    if (!proceed && !navigation.command) info.redirect(QtWebContext::cancelMark());
}

void QtWebPage::javaScriptAlert(const QUrl& origin, const QString& message) {
    if (!silent_) QWebEnginePage::javaScriptAlert(origin, message);
}

bool QtWebPage::javaScriptConfirm(const QUrl& origin, const QString& message) {
    return !silent_ && QWebEnginePage::javaScriptConfirm(origin, message);
}

bool QtWebPage::javaScriptPrompt(const QUrl& origin, const QString& message, const QString& defaultValue,
                                 QString* result) {
    return !silent_ && QWebEnginePage::javaScriptPrompt(origin, message, defaultValue, result);
}

void QtWebPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message, int, const QString&) {
    if (documentReported && message.startsWith(context_.reportPrefix())) {
        documentReported(message.mid(context_.reportPrefix().size()));
    }
}

// The page a new window would get, kept only until its first request tells
// who asked for the window: the engine's request for a new window does not.
// That request never goes out; the window opens, if at all, in the user's
// browser. Told once, with an opaque origin when no request comes in time.
class NewWindowProbe : public QWebEnginePage {
public:
    // Goes with `parent`, if not before.
    NewWindowProbe(QtWebContext& context, QObject& parent, std::function<void(const platform::NavigationSource&)> told)
        : QWebEnginePage(&context.profile(), &parent), context_(context), told_(std::move(told)) {
        constexpr int kPatienceMs = 5000;
        QTimer::singleShot(kPatienceMs, this, [this] { tell({"null"}); });
    }

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) override {
        if (isMainFrame && told_ && !awaiting_) {
            awaiting_ = true;
            context_.awaitNewWindowRequest(
                *this, url, [this](const QWebEngineUrlRequestInfo& info) { tell(sourceOfRequest(info)); });
        }
        return true;
    }

private:
    // Later, not inside the engine's call.
    void tell(const platform::NavigationSource& source) {
        if (!told_) return;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [told = std::exchange(told_, nullptr), source] { told(source); },
            Qt::QueuedConnection);
        deleteLater();
    }

    QtWebContext& context_;
    std::function<void(const platform::NavigationSource&)> told_;
    bool awaiting_ = false;
};

// Where a pane sits in its window; the engine's view comes into it with the
// pane's first navigation and fills it.
class PaneHolder : public QWidget {
public:
    // Like the browser control, an empty pane keeps the mouse from the window under it.
    explicit PaneHolder(QWidget& parent) : QWidget(&parent) { setAttribute(Qt::WA_NoMousePropagation); }

    void hold(QWidget& view) {
        view.setGeometry(rect());
        setFocusProxy(&view);
        view.show();
    }

    std::function<void()> windowClosed;

protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        for (QWidget* view : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) view->setGeometry(rect());
    }
};

void releaseBrowserPanes(QWidget& window) {
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        auto* holder = dynamic_cast<PaneHolder*>(widget);
        if (holder && holder->windowClosed) holder->windowClosed();
    }
}

QtBrowserPane::QtBrowserPane(QWidget& parent, QtWebContext& context)
    : QtControl(new PaneHolder(parent), false), context_(context) {
    holder().setGeometry(0, 0, 0, 0);
    holder().show();
    holder().windowClosed = [this] { release(); };
}

QtBrowserPane::~QtBrowserPane() {
    fullScreen_.reset();
    if (widget()) holder().windowClosed = nullptr;
    detachPage();
}

PaneHolder& QtBrowserPane::holder() const { return static_cast<PaneHolder&>(*widget()); }

QtWebPage& QtBrowserPane::page() {
    if (page_) return *page_;
    view_ = new QWebEngineView(&holder());
    page_ = new QtWebPage(context_, view_);
    page_->setSilent(silent_);
    view_->setPage(page_);
    page_->navigationStarting = [this](const QtNavigation& navigation) { return startNavigation(navigation); };
    page_->loadEnded = [this] { loadEnded(); };
    page_->documentReported = [this](const QString& json) {
        if (auto parsed = parseDocument(json)) document_ = std::move(parsed);
    };
    QObject::connect(page_, &QWebEnginePage::newWindowRequested, connections_.get(),
                     [this](QWebEngineNewWindowRequest& request) { openNewWindow(request); });
    QObject::connect(page_, &QWebEnginePage::renderProcessTerminated, connections_.get(),
                     [this](QWebEnginePage::RenderProcessTerminationStatus status, int exitCode) {
                         rendererEnded(status, exitCode);
                     });
    QObject::connect(page_, &QWebEnginePage::fullScreenRequested, connections_.get(),
                     [this](QWebEngineFullScreenRequest request) { toggleFullScreen(request); });
    view_->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(view_, &QWidget::customContextMenuRequested, connections_.get(),
                     [this](const QPoint& at) { showContextMenu(at); });
    holder().hold(*view_);
    return *page_;
}

// The page may outlive the pane for a moment: it hears nothing more.
void QtBrowserPane::detachPage() {
    if (!page_) return;
    page_->navigationStarting = nullptr;
    page_->loadEnded = nullptr;
    page_->documentReported = nullptr;
}

// Later, not at once: the window may close from inside the page's own event.
void QtBrowserPane::release() {
    released_ = true;
    fullScreen_.reset();
    if (!page_) return;
    detachPage();
    view_->hide();
    view_->deleteLater();
    view_ = nullptr;
    page_ = nullptr;
}

void QtBrowserPane::navigate(const std::string& url) {
    const NavigationVerdict verdict = context_.judge(url);
    if (released_ || verdict == NavigationVerdict::Refused) return;
    // A command never loads: it is no page to come back to. It is told as
    // written, also where the engine's URL parser would reject or re-encode it.
    if (verdict == NavigationVerdict::Command) {
        startNavigation({toQString(url), {}, true, true});
        return;
    }
    const QString text = toQString(url).trimmed();
    const QUrl target = verdict == NavigationVerdict::LocalPage && text.startsWith(u'/')
                            ? QUrl::fromLocalFile(text)
                            : QUrl(text, QUrl::TolerantMode);
    clientPage_ = target;
    page().load(target);
}

void QtBrowserPane::setSilent(bool silent) {
    silent_ = silent;
    if (page_) page_->setSilent(silent);
}

bool QtBrowserPane::silent() const { return silent_; }

void QtBrowserPane::refresh() {
    if (page_) page_->triggerAction(QWebEnginePage::Reload);
}

void QtBrowserPane::goBack() {
    if (page_) page_->triggerAction(QWebEnginePage::Back);
}

void QtBrowserPane::goForward() {
    if (page_) page_->triggerAction(QWebEnginePage::Forward);
}

std::string QtBrowserPane::locationUrl() const { return page_ ? toStdString(urlText(page_->url())) : std::string(); }

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
// logic neither cancels nor processes opens in the user's browser. Only a web
// page's window can tell who asked for it.
void QtBrowserPane::openNewWindow(QWebEngineNewWindowRequest& request) {
    if (!request.isUserInitiated()) return;
    const std::string url = toStdString(urlText(request.requestedUrl()));
    if (context_.judge(url) != NavigationVerdict::Web) {
        askAboutNewWindow(url, {"null"});
        return;
    }
    request.openIn(
        new NewWindowProbe(context_, *view_, [this, alive = lifetime(), url](const platform::NavigationSource& source) {
            if (!alive.expired()) askAboutNewWindow(url, source);
        }));
}

void QtBrowserPane::askAboutNewWindow(const std::string& url, const platform::NavigationSource& source) {
    const auto alive = lifetime();
    bool cancel = false;
    raiseEvent(browserEvents.newWindow2, cancel);
    if (alive.expired() || cancel) return;
    bool processed = false;
    raiseEvent(browserEvents.newWindow, url, source, processed);
    if (alive.expired() || processed) return;
    if (context_.judge(url) == NavigationVerdict::Web) context_.shell().openLink(url);
}

// The logic's menu replaces the page's own; without one the page keeps it.
// A released pane's view, on its way out, shows none.
void QtBrowserPane::showContextMenu(const QPoint& at) {
    if (!view_) return;
    const QPoint screen = view_->mapToGlobal(at);
    if (browserEvents.contextMenu) {
        raiseEvent(browserEvents.contextMenu, fromQPoint(screen));
        return;
    }
    QMenu* menu = view_->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(screen);
}

// The snapshot is taken afresh before the logic hears of the load, so that it
// can read the document of the page that has just loaded.
void QtBrowserPane::loadEnded() {
    const auto alive = lifetime();
    page_->runJavaScript(
        documentSnapshotScript(), QWebEngineScript::ApplicationWorld, [this, alive](const QVariant& result) {
            if (alive.expired() || !page_) return;
            if (const auto& hook = traceHooks().pageLoaded) hook(toStdString(urlText(page_->url())));
            auto parsed = parseDocument(result.toString());
            document_ = parsed ? std::move(parsed) : platform::Document{toStdString(page_->title()), {}};
            raiseEvent(browserEvents.downloadComplete);
        });
}

namespace {

const char* terminationName(int status) {
    switch (status) {
        case QWebEnginePage::AbnormalTerminationStatus:
            return "abnormal end";
        case QWebEnginePage::CrashedTerminationStatus:
            return "crash";
        case QWebEnginePage::KilledTerminationStatus:
            return "killed";
        default:
            return "normal end";
    }
}

}  // namespace

// Later, not inside the engine's signal. The user, not the engine, decides
// what comes after the third crash of a minute.
void QtBrowserPane::rendererEnded(int status, int exitCode) {
    if (status == QWebEnginePage::NormalTerminationStatus || released_ || !page_) return;
    constexpr std::size_t kMostReloads = 3;
    constexpr auto kReloadWindow = std::chrono::minutes(1);
    const auto now = std::chrono::steady_clock::now();
    std::erase_if(recoveries_, [&](auto at) { return now - at >= kReloadWindow; });
    const bool reload = recoveries_.size() < kMostReloads;
    if (reload) recoveries_.push_back(now);
    std::clog << "fluvane: a page's renderer ended (" << terminationName(status) << ", exit code " << exitCode << "); "
              << (reload ? "loading the page again" : "it stopped too often: showing the stopped page") << std::endl;
    fullScreen_.reset();
    const QUrl next = reload ? clientPage_ : context_.stoppedPage(clientPage_);
    QTimer::singleShot(0, connections_.get(), [this, next] {
        if (page_ && !released_) page_->load(next);
    });
}

// Only where the logic allows it; the window the pane is in stays as it is.
void QtBrowserPane::toggleFullScreen(QWebEngineFullScreenRequest& request) {
    if (!fullScreenAllowed_ || !view_) {
        request.reject();
        return;
    }
    if (request.toggleOn()) {
        if (!fullScreen_) fullScreen_ = std::make_unique<FullScreenWindow>(*view_, holder());
    } else {
        fullScreen_.reset();
    }
    request.accept();
}

}  // namespace fluvane::platform::qt

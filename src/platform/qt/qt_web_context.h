#pragma once

#include "platform/services.h"
#include "platform/shared/navigation_policy.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <filesystem>
#include <functional>
#include <list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QWebEnginePage;
class QWebEngineProfile;
class QWebEngineUrlRequestInfo;
class QWebEngineUrlRequestInterceptor;

namespace fluvane::platform::qt {

// Where the browser keeps what it remembers between starts. Without a
// storage folder (the tests) it remembers nothing.
struct WebFolders {
    std::filesystem::path storage;  // cookies and the sites' own storage
    std::filesystem::path cache;    // the HTTP disk cache
};

// What all browser panes share: one profile on which the
// client's command schemes end in nothing but the panes' navigation events,
// the navigation policy, the script that keeps each pane's document snapshot
// current, and the shell that opens new windows in the user's browser.
class QtWebContext : public QObject {
public:
    // The engine accepts schemes only before the application object exists.
    static void registerSchemes(const std::vector<std::string>& schemes);

    // `applicationDirectory`: its files are the client's local pages.
    QtWebContext(const std::vector<std::string>& schemes, std::filesystem::path applicationDirectory,
                 platform::Shell& shell, WebFolders folders = {});
    // The profile goes last, after every page, so that it writes its cookies out.
    ~QtWebContext() override;

    // Made with the first page, or by warmUp: the engine starts no sooner.
    QWebEngineProfile& profile();
    // Starts the engine, the profile and the renderer of the local pages
    // ahead of the first pane, which then finds them running.
    void warmUp();
    // A pane's page has loaded: the warm-up's page has done its work.
    void endWarmUp();
    // Console messages that start with it carry a document snapshot.
    const QString& reportPrefix() const { return reportPrefix_; }
    shared::NavigationVerdict judge(std::string_view url) const;
    // The client's page "页面已停止响应", whose button loads `page` again.
    QUrl stoppedPage(const QUrl& page) const;
    platform::Shell& shell() const { return shell_; }

    // The engine tells who asked for a new window only in the request of its
    // first page, which reaches no interceptor but the profile's. The next
    // request of a page for `url` is taken for that one: `told` hears of it,
    // and it never goes out. The wait ends with `owner`.
    void awaitNewWindowRequest(QObject& owner, const QUrl& url,
                               std::function<void(const QWebEngineUrlRequestInfo&)> told);

    // Where a navigation the logic cancelled is redirected to end unseen.
    static QUrl cancelMark();
    static bool isCancelMark(const QUrl& url);

private:
    struct AwaitedRequest {
        QPointer<QObject> owner;
        QUrl url;
        std::function<void(const QWebEngineUrlRequestInfo&)> told;
    };
    void interceptRequest(QWebEngineUrlRequestInfo& info);

    QWebEngineProfile* makeProfile();

    QWebEngineProfile* profile_ = nullptr;
    WebFolders folders_;
    QPointer<QWebEnginePage> warmPage_;
    std::unique_ptr<QWebEngineUrlRequestInterceptor> interceptor_;
    std::list<AwaitedRequest> awaited_;
    QString reportPrefix_;
    std::vector<std::string> schemes_;
    std::filesystem::path applicationDirectory_;
    platform::Shell& shell_;
};

}  // namespace fluvane::platform::qt

#include "playerapp/player_page.h"

#include "platform/shared/navigation_policy.h"

#include <QWebEngineNewWindowRequest>
#include <QWebEngineSettings>

namespace fluvane::playerapp {

namespace {

// The client's own policy, without local pages or commands: nothing but http
// and https. The engine's empty documents for new frames are no navigations.
bool isWebPage(const QUrl& url) {
    return platform::shared::judgeNavigation(url.toString(QUrl::FullyEncoded).toStdString(), {}, {}) ==
           platform::shared::NavigationVerdict::Web;
}

}  // namespace

PlayerPage::PlayerPage(QWebEngineProfile* profile, QObject* parent) : QWebEnginePage(profile, parent) {
    // Unknown schemes would otherwise go to the desktop's URL handlers.
    settings()->setUnknownUrlSchemePolicy(QWebEngineSettings::DisallowUnknownUrlSchemes);
    connect(this, &QWebEnginePage::newWindowRequested, this, [this](QWebEngineNewWindowRequest& request) {
        // A script URL loaded here would run in this page's origin, not the opener's.
        if (isWebPage(request.requestedUrl())) load(request.requestedUrl());
    });
}

bool PlayerPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool) { return isWebPage(url); }

}  // namespace fluvane::playerapp

#include "playerapp/player_page.h"

#include "playerapp/player_arguments.h"

#include <QWebEngineNewWindowRequest>
#include <QWebEngineSettings>

namespace fluvane::playerapp {

PlayerPage::PlayerPage(QWebEngineProfile* profile, QObject* parent) : QWebEnginePage(profile, parent) {
    // Unknown schemes would otherwise go to the desktop's URL handlers.
    settings()->setUnknownUrlSchemePolicy(QWebEngineSettings::DisallowUnknownUrlSchemes);
    connect(this, &QWebEnginePage::newWindowRequested, this, [this](QWebEngineNewWindowRequest& request) {
        // A script URL loaded here would run in this page's origin, not the opener's.
        if (isWebScheme(request.requestedUrl().scheme().toStdString())) load(request.requestedUrl());
    });
}

bool PlayerPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) {
    return allowsNavigation(url.scheme().toStdString(), isMainFrame);
}

}  // namespace fluvane::playerapp

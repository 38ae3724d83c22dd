#pragma once

#include <QWebEnginePage>

namespace fluvane::playerapp {

// A page that stays on the web. Its address and everything it links to come
// from the portal: no frame goes to a local file, a data or script URL or a
// program's scheme, and a window the page opens loads here instead.
class PlayerPage : public QWebEnginePage {
public:
    PlayerPage(QWebEngineProfile* profile, QObject* parent);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
};

}  // namespace fluvane::playerapp

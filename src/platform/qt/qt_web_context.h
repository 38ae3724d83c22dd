#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <string>
#include <string_view>
#include <vector>

class QWebEngineProfile;
class QWebEngineView;

namespace fluvane::platform::qt {

class QtWebPage;

// What all browser panes share: an off-the-record profile on which the
// client's command schemes end in nothing but the panes' navigation events,
// and the script that keeps each pane's document snapshot current.
class QtWebContext : public QObject {
public:
    // The engine accepts schemes only before the application object exists.
    static void registerSchemes(const std::vector<std::string>& schemes);

    explicit QtWebContext(const std::vector<std::string>& schemes);
    ~QtWebContext() override;

    QWebEngineProfile& profile() const { return *profile_; }
    // Console messages that start with it carry a document snapshot.
    const QString& reportPrefix() const { return reportPrefix_; }

    // A top-level browser window for a page that asked for one.
    QtWebPage& openWindow(bool silent);

private:
    QWebEngineProfile* profile_;
    QString reportPrefix_;
    QList<QPointer<QWebEngineView>> windows_;
};

}  // namespace fluvane::platform::qt

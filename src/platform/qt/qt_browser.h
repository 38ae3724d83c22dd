#pragma once

#include "platform/browser.h"
#include "platform/qt/qt_controls.h"

#include <QObject>
#include <QString>
#include <QUrl>

#include <memory>
#include <optional>

class QWebEngineNewWindowRequest;
class QWebEngineView;

namespace fluvane::platform::qt {

// The engine percent-encodes non-ASCII characters of URLs; pages and the logic
// write them as text ("dddisk://星河渡口@@@/tcab/"). Decodes escapes that form
// UTF-8 characters beyond ASCII and keeps every other escape as it is.
QString readableUrl(const QString& encoded);

// The text of a URL as the page wrote it, readable as above. Command URLs need
// not be valid URLs ("…@@@…" has no valid authority), and the engine hands them
// over as invalid QUrls: their text then survives only in QUrl's error report.
QString urlText(const QUrl& url);

class QtWebContext;
class QtWebPage;
struct QtNavigation;

class QtBrowserPane : public QtControl<platform::BrowserPane> {
public:
    QtBrowserPane(QWidget& parent, QtWebContext& context);
    ~QtBrowserPane() override;

    void navigate(const std::string& url) override;
    void setSilent(bool silent) override;
    bool silent() const override;
    void refresh() override;
    void goBack() override;
    void goForward() override;
    std::string locationUrl() const override;
    std::optional<platform::Document> document() const override { return document_; }

private:
    QWebEngineView& view() const;
    bool startNavigation(const QtNavigation& navigation);
    void openNewWindow(QWebEngineNewWindowRequest& request);
    void loadEnded();

    QtWebContext& context_;
    QtWebPage* page_;
    // Connections end with the pane, while its view may live a little longer.
    std::unique_ptr<QObject> connections_ = std::make_unique<QObject>();
    std::optional<platform::Document> document_;
};

}  // namespace fluvane::platform::qt

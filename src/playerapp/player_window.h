#pragma once

#include "playerapp/player_arguments.h"

#include <QWidget>

class QWebEngineProfile;
class QWebEngineView;

namespace fluvane::playerapp {

// The program's window, titled by the first field: the page when its address
// is a web address, otherwise a short message.
class PlayerWindow : public QWidget {
public:
    explicit PlayerWindow(const PlayerArguments& arguments);
    ~PlayerWindow() override;

private:
    void showPage(const QUrl& url, bool titleFromPage);
    void showMessage(const QString& text);

    QWebEngineProfile* profile_ = nullptr;  // in memory only: nothing of the portal's is kept
    QWebEngineView* view_ = nullptr;
};

}  // namespace fluvane::playerapp

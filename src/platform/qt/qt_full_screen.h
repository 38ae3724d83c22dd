#pragma once

#include <QPointer>
#include <QWidget>

class QWebEngineView;

namespace fluvane::platform::qt {

// A pane's page on the whole screen of the window it is in: the engine's view
// moves into a window of its own and back, so the window it came from stays
// exactly as it was. Esc ends it, as a second request of the page does.
class FullScreenWindow : public QWidget {
public:
    // `home` holds the view now and gets it back when this window goes.
    FullScreenWindow(QWebEngineView& view, QWidget& home);
    ~FullScreenWindow() override;

private:
    QPointer<QWebEngineView> view_;
    QPointer<QWidget> home_;
};

}  // namespace fluvane::platform::qt

#include "platform/qt/qt_full_screen.h"

#include <QAction>
#include <QScreen>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace fluvane::platform::qt {

FullScreenWindow::FullScreenWindow(QWebEngineView& view, QWidget& home)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), view_(&view), home_(&home) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(home.window()->windowTitle());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(&view);
    auto* leave = new QAction(this);
    leave->setShortcut(Qt::Key_Escape);
    leave->setShortcutContext(Qt::WindowShortcut);
    connect(leave, &QAction::triggered, this, [this] {
        if (view_ && view_->page()) view_->page()->triggerAction(QWebEnginePage::ExitFullScreen);
    });
    addAction(leave);
    // The screen the window is on, whole; without a window manager the
    // geometry is all that places it.
    QScreen* screen = home.window()->screen();
    setGeometry(screen->geometry());
    showFullScreen();
    view.show();
    activateWindow();
    view.setFocus();
}

FullScreenWindow::~FullScreenWindow() {
    if (!view_) return;
    if (home_) {
        view_->setParent(home_);
        view_->setGeometry(home_->rect());
        view_->show();
        home_->window()->activateWindow();
    } else {
        view_->setParent(nullptr);
        view_->deleteLater();
    }
}

}  // namespace fluvane::platform::qt

#include "playerapp/player_window.h"

#include "platform/qt/qt_icon.h"
#include "playerapp/player_page.h"

#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace fluvane::playerapp {
namespace {

constexpr QSize kDefaultSize(1024, 720);

}  // namespace

PlayerWindow::PlayerWindow(const PlayerArguments& arguments) {
    const QString title = QString::fromStdString(arguments.fields[0]);
    setWindowTitle(title);
    setWindowIcon(platform::qt::programIcon());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (isWebAddress(arguments.url)) {
        showPage(QUrl(QString::fromStdString(arguments.url)), title.isEmpty());
    } else {
        showMessage(QStringLiteral("无法打开此地址"));
    }
    const QRect screen = this->screen()->availableGeometry();
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, kDefaultSize.boundedTo(screen.size()), screen));
}

PlayerWindow::~PlayerWindow() {
    // The page must go before its profile.
    delete view_;
}

void PlayerWindow::showPage(const QUrl& url, bool titleFromPage) {
    profile_ = new QWebEngineProfile(this);
    view_ = new QWebEngineView(this);
    view_->setPage(new PlayerPage(profile_, view_));
    if (titleFromPage) connect(view_, &QWebEngineView::titleChanged, this, &QWidget::setWindowTitle);
    layout()->addWidget(view_);
    view_->load(url);
}

void PlayerWindow::showMessage(const QString& text) {
    auto* message = new QLabel(text, this);
    message->setTextFormat(Qt::PlainText);
    message->setAlignment(Qt::AlignCenter);
    QFont font = message->font();
    font.setPointSizeF(font.pointSizeF() * 1.5);
    message->setFont(font);
    layout()->addWidget(message);
}

}  // namespace fluvane::playerapp

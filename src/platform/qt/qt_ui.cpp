#include "platform/qt/qt_ui.h"

#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_convert.h"
#include "platform/qt/qt_icon.h"
#include "platform/qt/qt_timers.h"
#include "platform/qt/qt_tray.h"
#include "platform/qt/qt_web_context.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QThread>

#include <algorithm>
#include <array>
#include <optional>

namespace fluvane::platform::qt {

namespace {

struct Role {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The palette entry of each system colour index.
constexpr QPalette::ColorGroup A = QPalette::Active, I = QPalette::Inactive, D = QPalette::Disabled;

constexpr std::array<std::optional<Role>, 31> kRoles = {{
    Role{A, QPalette::Mid},              // 0 scroll bar
    Role{A, QPalette::Dark},             // 1 desktop
    Role{A, QPalette::Highlight},        // 2 active caption
    Role{I, QPalette::Mid},              // 3 inactive caption
    Role{A, QPalette::Window},           // 4 menu
    Role{A, QPalette::Base},             // 5 window
    Role{A, QPalette::Shadow},           // 6 window frame
    Role{A, QPalette::WindowText},       // 7 menu text
    Role{A, QPalette::Text},             // 8 window text
    Role{A, QPalette::HighlightedText},  // 9 caption text
    Role{A, QPalette::Button},           // 10 active border
    Role{I, QPalette::Button},           // 11 inactive border
    Role{A, QPalette::Dark},             // 12 application workspace
    Role{A, QPalette::Highlight},        // 13 highlight
    Role{A, QPalette::HighlightedText},  // 14 highlight text
    Role{A, QPalette::Button},           // 15 button face
    Role{A, QPalette::Dark},             // 16 button shadow
    Role{D, QPalette::Text},             // 17 grey text
    Role{A, QPalette::ButtonText},       // 18 button text
    Role{D, QPalette::WindowText},       // 19 inactive caption text
    Role{A, QPalette::Light},            // 20 button highlight
    Role{A, QPalette::Shadow},           // 21 3D dark shadow
    Role{A, QPalette::Midlight},         // 22 3D light
    Role{A, QPalette::ToolTipText},      // 23 info text
    Role{A, QPalette::ToolTipBase},      // 24 info background
    std::nullopt,                        // 25 unused
    Role{A, QPalette::Link},             // 26 hot light
    Role{A, QPalette::Highlight},        // 27 active caption gradient
    Role{I, QPalette::Mid},              // 28 inactive caption gradient
    Role{A, QPalette::Highlight},        // 29 menu highlight
    Role{A, QPalette::Window},           // 30 menu bar
}};

// The palette's colour for a system colour index (COLOR_WINDOW = 5,
// COLOR_BTNFACE = 15 …); black for an index the system does not know.
platform::Color paletteColor(const QPalette& palette, int index) {
    if (index < 0 || index >= static_cast<int>(kRoles.size()) || !kRoles[index]) return {};
    return fromQColor(palette.color(kRoles[index]->group, kRoles[index]->role));
}

std::shared_ptr<platform::Picture> pictureOf(const QImage& image) {
    if (image.isNull()) return nullptr;
    return std::make_shared<QtPicture>(image);
}

QScreen& screen() { return *QGuiApplication::primaryScreen(); }

// The desktop's large-icon size in device pixels: the style gives it in
// logical ones, which a scaled screen draws with more.
int largeIconSide() {
    const int logical = QApplication::style()->pixelMetric(QStyle::PM_LargeIconSize);
    return std::max(1, qRound(logical * screen().devicePixelRatio()));
}

}  // namespace

QtUi::QtUi(const std::vector<std::string>& commandSchemes, const std::filesystem::path& applicationDirectory,
           platform::Shell& shell, const WebFolders& webFolders)
    : web_(std::make_unique<QtWebContext>(commandSchemes, applicationDirectory, shell, webFolders)),
      tray_(std::make_unique<QtTray>()) {}

QtUi::~QtUi() = default;

void QtUi::warmUp(const std::filesystem::path& pictureFolder) {
    web_->warmUp();
    readAhead_.read(pictureFolder, screenScale());
}

std::unique_ptr<platform::Form> QtUi::createForm() { return std::make_unique<QtForm>(*web_, openForms_); }

std::unique_ptr<platform::Timer> QtUi::createTimer() { return std::make_unique<QtTimer>(); }

std::unique_ptr<platform::Timer> QtUi::createTimer(platform::Form& window) {
    auto* form = dynamic_cast<QtForm*>(&window);
    return std::make_unique<QtTimer>(form ? form->closedFlag() : nullptr);
}

std::unique_ptr<platform::Buffer> QtUi::createBuffer(platform::Size size) {
    return std::make_unique<QtBuffer>(size, screenScale());
}

std::shared_ptr<platform::Picture> QtUi::loadPicture(const std::filesystem::path& file) {
    const int scale = screenScale();
    std::optional<QImage> readBefore = readAhead_.take(file, scale);
    return pictureOf(readBefore ? std::move(*readBefore) : readPictureFile(file, scale));
}

// The logic sees the standard large size; windows and the tray get them all.
std::shared_ptr<platform::Picture> QtUi::loadIcon(const std::filesystem::path& file) {
    return loadIconFile(file, largeIconSide());
}

std::shared_ptr<platform::Picture> QtUi::resourcePicture(int id) {
    const QImage image = resourceImage(id, screenScale());
    if (!image.isNull() && isProgramIcon(id)) return std::make_shared<QtIconPicture>(image, programIcon());
    return pictureOf(image);
}

platform::Color QtUi::systemColor(int index) const { return paletteColor(QApplication::palette(), index); }

platform::Size QtUi::screenSize() const {
    const QSize size = screen().geometry().size();
    return {size.width(), size.height()};
}

platform::Rect QtUi::workArea() const { return fromQRect(screen().availableGeometry()); }

// The strip of the screen the work area leaves out, on whichever edge it lies.
platform::Rect QtUi::taskbarRect() const {
    const platform::Rect all = fromQRect(screen().geometry());
    const platform::Rect work = fromQRect(screen().availableGeometry());
    if (work.bottom < all.bottom) return {all.left, work.bottom, all.right, all.bottom};
    if (work.top > all.top) return {all.left, all.top, all.right, work.top};
    if (work.left > all.left) return {all.left, all.top, work.left, all.bottom};
    if (work.right < all.right) return {work.right, all.top, all.right, all.bottom};
    return {};
}

platform::Point QtUi::cursorPosition() const { return fromQPoint(QCursor::pos()); }

platform::MessageBoxResult QtUi::messageBox(const std::string& title, const std::string& text,
                                            platform::MessageBoxIcon icon, platform::MessageBoxButtons buttons) {
    using platform::MessageBoxButtons;
    using platform::MessageBoxResult;
    static constexpr QMessageBox::Icon kIcons[] = {QMessageBox::NoIcon, QMessageBox::Information, QMessageBox::Question,
                                                   QMessageBox::Warning, QMessageBox::Critical};
    QMessageBox::StandardButtons standard = QMessageBox::Ok;
    if (buttons == MessageBoxButtons::YesNo) standard = QMessageBox::Yes | QMessageBox::No;
    if (buttons == MessageBoxButtons::OkCancel) standard = QMessageBox::Ok | QMessageBox::Cancel;
    QMessageBox box(kIcons[static_cast<int>(icon)], toQString(title), toQString(text), standard);
    // The text may be the server's ("版本"): it shows as written, never as a link.
    box.setTextFormat(Qt::PlainText);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return MessageBoxResult::Yes;
        case QMessageBox::No:
            return MessageBoxResult::No;
        case QMessageBox::Cancel:
            return MessageBoxResult::Cancel;
        default:
            return buttons == MessageBoxButtons::YesNo      ? MessageBoxResult::No
                   : buttons == MessageBoxButtons::OkCancel ? MessageBoxResult::Cancel
                                                            : MessageBoxResult::Ok;
    }
}

int QtUi::popupMenu(platform::Form& owner, const std::vector<platform::MenuItem>& items, platform::Point screen) {
    auto* form = dynamic_cast<QtForm*>(&owner);
    QMenu menu(form ? form->widget() : nullptr);
    for (const platform::MenuItem& item : items) {
        if (item.id == 0 && item.caption.empty()) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(toQString(item.caption));
        action->setData(item.id);
        action->setCheckable(item.checked);
        action->setChecked(item.checked);
        action->setEnabled(item.enabled);
    }
    const QAction* chosen = menu.exec(toQPoint(screen));
    return chosen ? chosen->data().toInt() : 0;
}

bool QtUi::notifyIcon(platform::NotifyIconOperation operation, const platform::NotifyIconData& data) {
    return tray_->apply(operation, data);
}

bool QtUi::trayAvailable() const { return QSystemTrayIcon::isSystemTrayAvailable(); }

void QtUi::processEvents() { QCoreApplication::processEvents(); }

void QtUi::sleep(int milliseconds) {
    if (milliseconds > 0) QThread::msleep(static_cast<unsigned long>(milliseconds));
}

}  // namespace fluvane::platform::qt

#include "platform/qt/qt_tray.h"

#include "platform/qt/qt_convert.h"
#include "platform/qt/qt_form.h"
#include "platform/qt/qt_icon.h"

#include <QIcon>
#include <QSystemTrayIcon>

namespace fluvane::platform::qt {

namespace {

namespace flag {
constexpr unsigned Message = 1, Icon = 2, Tip = 4, Balloon = 16;
}

QSystemTrayIcon::MessageIcon balloonIcon(int icon) {
    switch (icon) {
        case 1:
            return QSystemTrayIcon::Information;
        case 2:
            return QSystemTrayIcon::Warning;
        case 3:
            return QSystemTrayIcon::Critical;
        default:
            return QSystemTrayIcon::NoIcon;
    }
}

}  // namespace

std::optional<std::intptr_t> trayMouseMessage(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
        case QSystemTrayIcon::Trigger:
        case QSystemTrayIcon::DoubleClick:
            return platform::traymsg::LeftButtonUp;
        case QSystemTrayIcon::Context:
            return platform::traymsg::RightButtonUp;
        case QSystemTrayIcon::MiddleClick:
        case QSystemTrayIcon::Unknown:
            return std::nullopt;
    }
    return std::nullopt;
}

bool QtTray::apply(platform::NotifyIconOperation operation, const platform::NotifyIconData& data) {
    const Key key{data.owner, data.id};
    auto found = icons_.find(key);
    // A destroyed form's icon is gone, even if another form took its address.
    if (found != icons_.end() && found->second.ownerAlive.expired()) {
        remove(key);
        found = icons_.end();
    }
    switch (operation) {
        case platform::NotifyIconOperation::Add:
            return found == icons_.end() && add(data);
        case platform::NotifyIconOperation::Modify:
            if (found == icons_.end() || !found->second.icon) return false;
            update(found->second, data);
            return true;
        case platform::NotifyIconOperation::Delete:
            if (found == icons_.end()) return false;
            remove(key);
            return true;
    }
    return false;
}

bool QtTray::add(const platform::NotifyIconData& data) {
    auto* owner = dynamic_cast<QtForm*>(data.owner);
    if (!owner) return false;
    const Key key{data.owner, data.id};
    // The icon goes with its owner's window.
    auto* icon = new QSystemTrayIcon(owner->widget());
    Entry& entry = icons_[key];
    entry.icon = icon;
    entry.ownerAlive = owner->lifetime();
    const auto send = [this, key, icon](std::intptr_t mouseMessage) {
        const auto found = icons_.find(key);
        if (found == icons_.end() || found->second.icon != icon || found->second.ownerAlive.expired() ||
            found->second.callbackMessage == 0) {
            return;
        }
        key.first->sendMessage(found->second.callbackMessage, key.second, mouseMessage);
    };
    // Later, once the icon's own event is over: what a click starts (a menu,
    // the exit) may remove the icon, whose widget goes at once.
    connect(
        icon, &QSystemTrayIcon::activated, this,
        [send](QSystemTrayIcon::ActivationReason reason) {
            if (const auto mouseMessage = trayMouseMessage(reason)) send(*mouseMessage);
        },
        Qt::QueuedConnection);
    connect(
        icon, &QSystemTrayIcon::messageClicked, this, [send] { send(platform::traymsg::BalloonClick); },
        Qt::QueuedConnection);
    // Its QPointer is already clear; a newer icon under the key stays.
    connect(icon, &QObject::destroyed, this, [this, key] {
        const auto found = icons_.find(key);
        if (found != icons_.end() && !found->second.icon) icons_.erase(found);
    });
    update(entry, data);
    icon->show();
    return true;
}

void QtTray::update(Entry& entry, const platform::NotifyIconData& data) {
    if (data.flags & flag::Message) entry.callbackMessage = data.callbackMessage;
    if (data.flags & flag::Icon) {
        entry.icon->setIcon(data.icon ? iconOf(*data.icon) : QIcon());
    }
    if (data.flags & flag::Tip) entry.icon->setToolTip(shownAsWritten(toQString(data.tip)));
    if ((data.flags & flag::Balloon) && !data.balloonText.empty()) {
        entry.icon->showMessage(shownAsWritten(toQString(data.balloonTitle)), toQString(data.balloonText),
                                balloonIcon(data.balloonIcon), data.timeoutMs > 0 ? data.timeoutMs : 10000);
    }
}

// Later, not at once: the removal may come from the icon's own signal.
void QtTray::remove(const Key& key) {
    const QPointer<QSystemTrayIcon> icon = icons_.at(key).icon;
    icons_.erase(key);
    if (icon) {
        icon->hide();
        icon->deleteLater();
    }
}

}  // namespace fluvane::platform::qt

#pragma once

#include "platform/ui.h"

#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <utility>

namespace fluvane::platform::qt {

// The mouse message the system's notification area reports for an
// activation, so that the logic handles the icon alike on every desktop: a
// click ends in a left button's release, a double click in a second one, a
// request for the context menu in a right button's release. Nothing for a
// middle click, which the logic leaves alone. (A click on the balloon is a
// signal of its own: traymsg::BalloonClick.)
std::optional<std::intptr_t> trayMouseMessage(QSystemTrayIcon::ActivationReason reason);

// Notification-area icons by owner and id. Their mouse messages reach the
// owner's window procedure as the record's callback message.
class QtTray : public QObject {
public:
    bool apply(platform::NotifyIconOperation operation, const platform::NotifyIconData& data);

private:
    struct Entry {
        QPointer<QSystemTrayIcon> icon;
        std::uint32_t callbackMessage = 0;
        // The icon's widget outlives its form for a moment.
        std::weak_ptr<void> ownerAlive;
    };
    using Key = std::pair<platform::Form*, unsigned>;

    bool add(const platform::NotifyIconData& data);
    void update(Entry& entry, const platform::NotifyIconData& data);
    void remove(const Key& key);

    std::map<Key, Entry> icons_;
};

}  // namespace fluvane::platform::qt

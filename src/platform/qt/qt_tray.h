#pragma once

#include "platform/ui.h"

#include <QObject>
#include <QPointer>

#include <map>
#include <memory>
#include <utility>

class QSystemTrayIcon;

namespace fluvane::platform::qt {

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

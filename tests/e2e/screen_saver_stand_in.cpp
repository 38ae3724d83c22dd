// A stand-in for the desktop's screen saver on a private session bus: it
// answers org.freedesktop.ScreenSaver's Inhibit and UnInhibit as a desktop
// does and writes each call to stdout, one a line, with how many inhibitions
// are held after it: "Inhibit 1 held 1", "UnInhibit 1 held 0", and "Gone 1
// held 0" when a caller leaves the bus still holding one.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QObject>

#include <cstdio>
#include <map>

class ScreenSaver : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")

public:
    ScreenSaver() {
        watcher_.setConnection(QDBusConnection::sessionBus());
        watcher_.setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
        connect(&watcher_, &QDBusServiceWatcher::serviceUnregistered, this, [this](const QString& caller) {
            for (auto held = holders_.begin(); held != holders_.end();) {
                if (held->second != caller) {
                    ++held;
                    continue;
                }
                const uint cookie = held->first;
                held = holders_.erase(held);
                report("Gone", cookie);
            }
        });
    }

public slots:
    uint Inhibit(const QString&, const QString&) {
        const uint cookie = ++last_;
        holders_[cookie] = message().service();
        watcher_.addWatchedService(message().service());
        report("Inhibit", cookie);
        return cookie;
    }
    void UnInhibit(uint cookie) {
        holders_.erase(cookie);
        report("UnInhibit", cookie);
    }

private:
    void report(const char* what, uint cookie) {
        std::printf("%s %u held %zu\n", what, cookie, holders_.size());
        std::fflush(stdout);
    }

    QDBusServiceWatcher watcher_;
    std::map<uint, QString> holders_;  // cookie → the caller's bus name
    uint last_ = 0;
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    ScreenSaver saver;
    // Callers use either path.
    for (const char* path : {"/org/freedesktop/ScreenSaver", "/ScreenSaver"}) {
        if (!bus.registerObject(QString::fromLatin1(path), &saver, QDBusConnection::ExportAllSlots)) return 1;
    }
    if (!bus.registerService(QStringLiteral("org.freedesktop.ScreenSaver"))) return 1;
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}

#include "screen_saver_stand_in.moc"

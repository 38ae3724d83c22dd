#include "platform/qt/qt_process_setup.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QThread>
#include <QTranslator>

#include <cstdlib>
#include <string>
#include <unistd.h>

namespace fluvane::platform::qt {

namespace {

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

// The platform chosen here is for the application object alone: the programs
// this one starts choose their own.
bool platformChosenHere = false;

void loadQtTranslations(QCoreApplication& application) {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* catalogue : {"qtbase", "qtwebengine"}) {
        auto* translator = new QTranslator(&application);
        if (translator->load(QLocale(), QString::fromLatin1(catalogue), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
        } else {
            delete translator;
        }
    }
}

}  // namespace

void prepareBrowserEngine() {
    if (geteuid() == 0) setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0);
    std::string flags =
        "--disable-background-networking --disable-component-update --disable-gpu --process-per-site";
    if (const char* given = std::getenv("QTWEBENGINE_CHROMIUM_FLAGS")) {
        flags = std::string(given) + " " + flags;
    }
    setenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.c_str(), 1);
    // The engine's frames are drawn in memory already: Qt shows them as they
    // are instead of composing them again through OpenGL.
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}

void preferX11OnWayland() {
    if (!isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM")) return;
    setenv("QT_QPA_PLATFORM", "xcb;wayland", 1);
    platformChosenHere = true;
}

void endEventLoop(int exitCode) {
    if (QThread::currentThread()->loopLevel() > 0) {
        QCoreApplication::exit(exitCode);
        return;
    }
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [exitCode] { QCoreApplication::exit(exitCode); }, Qt::QueuedConnection);
}

void completeDesktopSetup(QCoreApplication& application) {
    loadQtTranslations(application);
    if (platformChosenHere) unsetenv("QT_QPA_PLATFORM");
    platformChosenHere = false;
}

}  // namespace fluvane::platform::qt

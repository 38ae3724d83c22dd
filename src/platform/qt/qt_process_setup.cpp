#include "platform/qt/qt_process_setup.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QThread>
#include <QTranslator>

namespace fluvane::platform::qt {

namespace {

bool isSet(const char* name) { return !qEnvironmentVariableIsEmpty(name); }

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

void prepareBrowserEngine(bool sandboxPossible) {
    if (!sandboxPossible && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QByteArray flags = "--disable-background-networking --disable-component-update --disable-gpu --process-per-site";
    if (qEnvironmentVariableIsSet("QTWEBENGINE_CHROMIUM_FLAGS"))
        flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS") + " " + flags;
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
    // The engine's frames are drawn in memory already: Qt shows them as they
    // are instead of composing them again through OpenGL.
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}

void preferX11OnWayland() {
    if (!isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM")) return;
    qputenv("QT_QPA_PLATFORM", "xcb;wayland");
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
    if (platformChosenHere) qunsetenv("QT_QPA_PLATFORM");
    platformChosenHere = false;
}

}  // namespace fluvane::platform::qt

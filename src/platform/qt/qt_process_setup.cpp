#include "platform/qt/qt_process_setup.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QThread>
#include <QTranslator>

#include <vector>

namespace fluvane::platform::qt {

namespace {

bool isSet(const char* name) { return !qEnvironmentVariableIsEmpty(name); }

// What is set here is for the application object alone: the programs this
// one starts choose their own.
std::vector<const char*> setForTheApplicationObject;

void setForTheApplicationObjectOnly(const char* name, const QByteArray& value) {
    qputenv(name, value);
    setForTheApplicationObject.push_back(name);
}

// The engine's library asks for an OpenGL context while the application
// object starts, though nothing here draws with OpenGL. Without Qt's GL
// support that request fails at once, as expected, instead of loading the
// graphics driver (about 70 ms of every start); only its warning is dropped.
QtMessageHandler handlerBefore = nullptr;

void dropTheExpectedOpenGLWarning(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(u"QXcbIntegration: Cannot create platform OpenGL context")) return;
    if (handlerBefore) handlerBefore(type, context, message);
}

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
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION")) {
        setForTheApplicationObjectOnly("QT_XCB_GL_INTEGRATION", "none");
        handlerBefore = qInstallMessageHandler(dropTheExpectedOpenGLWarning);
    }
}

void preferX11OnWayland() {
    if (!isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM")) return;
    setForTheApplicationObjectOnly("QT_QPA_PLATFORM", "xcb;wayland");
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
    for (const char* name : setForTheApplicationObject) qunsetenv(name);
    setForTheApplicationObject.clear();
    if (handlerBefore) qInstallMessageHandler(handlerBefore);
    handlerBefore = nullptr;
}

}  // namespace fluvane::platform::qt

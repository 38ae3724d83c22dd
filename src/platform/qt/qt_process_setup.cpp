#include "platform/qt/qt_process_setup.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QTranslator>

#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace fluvane::platform::qt {

namespace {

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

// Variables set for the application object alone, unless the user set them.
std::vector<const char*>& forApplicationObject() {
    static std::vector<const char*> names;
    return names;
}

void setForApplicationObject(const char* name, const char* value) {
    if (isSet(name)) return;
    setenv(name, value, 1);
    forApplicationObject().push_back(name);
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

void prepareBrowserEngine() {
    if (geteuid() == 0) setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0);
    std::string flags =
        "--disable-background-networking --disable-component-update --disable-gpu --process-per-site";
    if (const char* given = std::getenv("QTWEBENGINE_CHROMIUM_FLAGS")) {
        flags = std::string(given) + " " + flags;
    }
    setenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.c_str(), 1);
    // The engine's frames are drawn in memory already: Qt shows them as they are.
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    setForApplicationObject("QT_XCB_GL_INTEGRATION", "none");
}

void preferX11OnWayland() {
    if (isSet("WAYLAND_DISPLAY")) setForApplicationObject("QT_QPA_PLATFORM", "xcb;wayland");
}

void completeDesktopSetup(QCoreApplication& application) {
    loadQtTranslations(application);
    for (const char* name : forApplicationObject()) unsetenv(name);
    forApplicationObject().clear();
}

}  // namespace fluvane::platform::qt

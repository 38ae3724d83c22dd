#include "qt_test_application.h"

#include "mainwindow/command_url.h"
#include "platform/posix/process_identity.h"
#include "platform/qt/qt_process_setup.h"
#include "platform/qt/qt_web_context.h"

#include <QDir>
#include <QTemporaryDir>

#include <cstdlib>
#include <string>
#include <vector>

namespace fluvane::platform::qt::testing {

namespace {

void useHome(const QString& home) {
    for (const char* folder : {".config", ".cache", ".local/share", "runtime"}) {
        QDir(home).mkpath(QString::fromLatin1(folder));
    }
    qputenv("HOME", home.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home + "/.config").toLocal8Bit());
    qputenv("XDG_CACHE_HOME", (home + "/.cache").toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home + "/.local/share").toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", (home + "/runtime").toLocal8Bit());
    QFile::setPermissions(home + "/runtime", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

}  // namespace

QApplication& testApplication(const char* platformPlugin) {
    // Left to the end of the process: the engine must not outlive it in a static destructor.
    static QApplication* application = nullptr;
    if (application) return *application;

    static QTemporaryDir home;
    useHome(home.path());
    qputenv("QT_QPA_PLATFORM", platformPlugin);
    // The engine as the client runs it: its switches, and frames drawn in memory.
    prepareBrowserEngine(!platform::posix::runsAsSuperuser());

    const std::vector<std::string> schemes = mainwindow::commandSchemeNames();
    QtWebContext::registerSchemes(schemes);
    static int argc = 1;
    static char name[] = "fluvane-qt-test";
    static char* argv[] = {name, nullptr};
    application = new QApplication(argc, argv);
    application->setQuitOnLastWindowClosed(false);
    return *application;
}

}  // namespace fluvane::platform::qt::testing

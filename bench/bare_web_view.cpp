// The yardstick of the client's memory: a bare Qt WebEngine view holding one
// page, with the client's engine switches and, like its panes, a profile kept
// in memory. scripts/run measures both in the same run.
//
//     bare_web_view URL
#include "platform/posix/process_identity.h"
#include "platform/qt/qt_process_setup.h"

#include <QApplication>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: bare_web_view URL\n");
        return 2;
    }
    fluvane::platform::qt::prepareBrowserEngine(!fluvane::platform::posix::runsAsSuperuser());
    QApplication app(argc, argv);
    fluvane::platform::qt::completeDesktopSetup(app);
    QWebEngineProfile profile;
    QWebEngineView view;
    view.setPage(new QWebEnginePage(&profile, &view));
    view.resize(1000, 700);
    view.load(QUrl::fromUserInput(QString::fromLocal8Bit(argv[1])));
    view.show();
    const int status = app.exec();
    delete view.page();
    return status;
}

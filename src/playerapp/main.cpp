// The player program the client starts for an application page of the portal:
// one window showing the page, ended by the client by name.
#include "platform/posix/process_identity.h"
#include "platform/qt/qt_process_setup.h"
#include "playerapp/player_arguments.h"
#include "playerapp/player_window.h"
#include "playerapp/termination_signals.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    using namespace fluvane::playerapp;
    if (argc != 2) {
        std::fprintf(stderr, "usage: fluvaneapp 'name###kind###id###URL###'\n");
        return 2;
    }
    const PlayerArguments arguments = parsePlayerArgument(argv[1]);

    fluvane::platform::qt::prepareBrowserEngine(!fluvane::platform::posix::runsAsSuperuser());
    // The argument comes from the portal: neither Qt nor the engine may take
    // it for one of their own options.
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QApplication app(qtArgc, qtArgv);
    fluvane::platform::qt::completeDesktopSetup(app);
    quitOnTerminationSignals();

    PlayerWindow window(arguments);
    window.show();
    return app.exec();
}

// The player program the client starts for an application page of the portal:
// one window showing the page, ended by the client by name.
#include "playerapp/player_arguments.h"
#include "playerapp/player_window.h"
#include "playerapp/termination_signals.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

// The engine must know before it starts: as root it cannot sandbox itself, and
// it is not to contact anything but the pages it is asked for.
void prepareBrowserEngine() {
    if (geteuid() == 0) setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0);
    std::string flags = "--disable-background-networking --disable-component-update --disable-gpu";
    if (const char* given = std::getenv("QTWEBENGINE_CHROMIUM_FLAGS")) {
        flags = std::string(given) + " " + flags;
    }
    setenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.c_str(), 1);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace fluvane::playerapp;
    if (argc != 2) {
        std::fprintf(stderr, "usage: fluvaneapp 'name###kind###id###URL###'\n");
        return 2;
    }
    const PlayerArguments arguments = parsePlayerArgument(argv[1]);

    prepareBrowserEngine();
    // The argument comes from the portal: neither Qt nor the engine may take
    // it for one of their own options.
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QApplication app(qtArgc, qtArgv);
    quitOnTerminationSignals();

    PlayerWindow window(arguments);
    window.show();
    return app.exec();
}

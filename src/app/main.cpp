// The composition root of the desktop client: the Qt window system, the POSIX
// services and the portable logic, joined here and nowhere else.
#include "client/client.h"
#include "mainwindow/command_schemes.h"
#include "mainwindow/main_window.h"
#include "platform/platform.h"
#include "platform/posix/curl_network.h"
#include "platform/posix/posix_application.h"
#include "platform/posix/posix_code_page.h"
#include "platform/posix/posix_files.h"
#include "platform/posix/posix_processes.h"
#include "platform/posix/posix_profile.h"
#include "platform/posix/posix_shell.h"
#include "platform/posix/process_age.h"
#include "platform/posix/process_identity.h"
#include "platform/posix/user_folders.h"
#include "platform/posix/xdg_dirs.h"
#include "platform/qt/qt_instance_channel.h"
#include "platform/qt/qt_process_setup.h"
#include "platform/qt/qt_trace.h"
#include "platform/qt/qt_ui.h"
#include "platform/qt/qt_web_context.h"

#include <QApplication>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace fluvane;

// When the start-up window's first timer falls due.
constexpr int kStartUpDownloadMs = 100;

// A build setting, overridden by the environment variable of the same name.
std::string setting(const char* name, const char* built) {
    const char* value = std::getenv(name);
    return value && *value ? value : built;
}

// With FLUVANE_TRACE=1, each window's first paint and each page load go to
// stderr with the milliseconds since the process started, for scripts/run and
// the benchmarks: "first paint: <caption> <ms> ms", "page loaded: <url> <ms> ms".
void traceToStderr() {
    const char* value = std::getenv("FLUVANE_TRACE");
    if (!value || std::string_view(value) != "1") return;
    static const auto mainStarted = std::chrono::steady_clock::now();
    const auto age = [] {
        return platform::posix::processAgeMilliseconds().value_or(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - mainStarted).count());
    };
    platform::qt::traceHooks().firstPaint = [age](const std::string& caption) {
        std::fprintf(stderr, "first paint: %s %.0f ms\n", caption.c_str(), age());
    };
    platform::qt::traceHooks().pageLoaded = [age](const std::string& url) {
        std::fprintf(stderr, "page loaded: %s %.0f ms\n", url.c_str(), age());
    };
}

// The browser's profile and cache, private to the user.
platform::qt::WebFolders webFolders(const platform::posix::UserFolders& user) {
    platform::qt::WebFolders web{user.data / "web", user.cache};
    if (!platform::posix::makePrivateFolder(web.storage) || !platform::posix::makePrivateFolder(web.cache)) {
        std::fprintf(stderr, "fluvane: cannot make %s and %s; the browser remembers nothing this time\n",
                     web.storage.c_str(), web.cache.c_str());
        return {};
    }
    return web;
}

}  // namespace

int main(int argc, char** argv) {
    traceToStderr();
    platform::qt::prepareBrowserEngine(!platform::posix::runsAsSuperuser());
    platform::qt::preferX11OnWayland();
    const std::vector<std::string> schemes = mainwindow::commandSchemeNames();
    platform::qt::QtWebContext::registerSchemes(schemes);

    // The only argument is a shortcut's page title, which the page chose:
    // neither Qt nor the engine may take it for one of their own options.
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    // The desktop entry's name: a Wayland compositor matches the windows to it.
    QGuiApplication::setDesktopFileName(QStringLiteral(FLUVANE_APP_ID));
    QApplication app(qtArgc, qtArgv);
    platform::qt::completeDesktopSetup(app);
    // Windows hide rather than close; the logic ends the program itself.
    app.setQuitOnLastWindowClosed(false);

    platform::posix::PosixCodePage codePage;
    platform::posix::PosixProfile profile(codePage);
    platform::posix::CurlNetwork network;
    platform::posix::PosixProcesses processes;
    platform::posix::PosixShell shell;
    platform::posix::PosixFiles files;
    platform::posix::PosixApplication application(argc, argv, platform::qt::endEventLoop);
    platform::qt::QtInstanceChannel instanceChannel(platform::posix::xdg::runtimeFolder(), "fluvane.socket");
    platform::qt::QtUi ui(schemes, application.directory(), shell, webFolders(application.userFolders()));

    const std::string portalUrl = setting("FLUVANE_PORTAL_URL", FLUVANE_PORTAL_URL);
    std::string checkUrl = setting("FLUVANE_CHECK_URL", FLUVANE_CHECK_URL);
    if (checkUrl.empty()) checkUrl = portalUrl;

    platform::Platform platform{ui,    profile,     codePage,        network,   processes, shell,
                                files, application, instanceChannel, portalUrl, checkUrl};
    client::Client client(platform);
    client.start();
    // The browser engine takes a few hundred milliseconds to start, on this
    // thread. The start-up window downloads the server configuration 100 ms
    // after its load and then waits 300 ms more for nothing: the engine starts
    // in that wait (this timer falls due just after the download's), so the
    // main window's panes find it running, and the skin's pictures are read
    // then, not when the main window loads.
    const std::filesystem::path skin = mainwindow::skinFolder(application.directory());
    QTimer::singleShot(kStartUpDownloadMs, Qt::PreciseTimer, &app, [&ui, skin] { ui.warmUp(skin); });
    return app.exec();
}

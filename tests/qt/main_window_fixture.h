#pragma once

// The main window of the real client on the Qt platform with the skin the
// build draws, shown on the X server the test runs on. Screenshots go to
// FLUVANE_SCREENSHOT_DIR.
#include "client/form_registry.h"
#include "platform/posix/posix_code_page.h"
#include "platform/posix/posix_files.h"
#include "platform/posix/posix_profile.h"
#include "platform/qt/qt_controls.h"
#include "platform/qt/qt_ui.h"
#include "qt_test_application.h"
#include "support/form1_inside.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace fluvane::platform::qt::testing {

namespace fs = std::filesystem;

// What the main window's load asks of the network, the process table, other
// instances and the program: no portal, no processes, no other instance, a
// temporary application directory.
class NoNetwork final : public platform::Network {
public:
    bool checkConnection(const std::string&) override { return false; }
    bool downloadToFile(const std::string&, const fs::path&) override { return false; }
};

class NoProcesses final : public platform::Processes {
public:
    bool start(const fs::path&, const std::vector<std::string>&, platform::WindowStyle) override { return false; }
    std::vector<platform::ProcessInfo> list() override { return {}; }
    void terminateByImageName(const std::string&) override {}
    bool anotherInstanceRunning() override { return false; }
};

class NoInstanceChannel final : public platform::InstanceChannel {
public:
    bool listen() override { return false; }
    bool sendPage(const std::string&) override { return false; }
};

class TemporaryApplication final : public platform::Application {
public:
    explicit TemporaryApplication(fs::path directory) : directory_(std::move(directory)) {}
    fs::path directory() const override { return directory_; }
    fs::path dataDirectory() const override { return directory_; }
    fs::path executable() const override { return directory_ / "fluvane"; }
    std::vector<std::string> arguments() const override { return {}; }
    void endProcess(int exitCode) override { ADD_FAILURE() << "the client ended with " << exitCode; }

private:
    fs::path directory_;
};

// The installation: the shipped skin files, the drawn pictures, and settings
// that open the player view.
inline fs::path install(const fs::path& app) {
    const auto options = fs::copy_options::recursive | fs::copy_options::overwrite_existing;
    fs::copy(FLUVANE_SHIPPED_SKIN_DIR, app, options);
    fs::copy(FLUVANE_GENERATED_SKIN_DIR, app, options);
    std::ofstream(app / "zelskin" / "Config.ini")
        << "[form]\r\nform=True\r\nrun=False\r\nrenwulan=True\r\nshipinku=False\r\n"
           "[Version]\r\nVersion=1.0\r\n";
    return app;
}

class MainWindowFixture : public ::testing::Test {
protected:
    MainWindowFixture() {
        form1.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(widgetOf(window)));
        QTest::qWait(300);  // the first paints
    }

    // Where a control's point is on the screen.
    static QPoint onScreen(const platform::Control& control, QPoint at) { return widgetOf(control)->mapToGlobal(at); }
    // The whole screen in its device pixels.
    static QImage screen() { return QGuiApplication::primaryScreen()->grabWindow(0).toImage(); }
    static void save(const QImage& image, const char* name) {
        QDir().mkpath(QStringLiteral(FLUVANE_SCREENSHOT_DIR));
        image.save(QStringLiteral(FLUVANE_SCREENSHOT_DIR "/%1.png").arg(QLatin1String(name)));
    }

    QApplication& app = testApplication("xcb");  // before any widget
    RecordingShell shell;
    QTemporaryDir root;
    fs::path appDir = install(fs::path(root.path().toStdString()) / "app");
    posix::PosixCodePage codePage;
    posix::PosixProfile profile{codePage};
    NoNetwork network;
    NoProcesses processes;
    posix::PosixFiles files;
    TemporaryApplication application{appDir};
    NoInstanceChannel instanceChannel;
    QtUi ui{{}, appDir, shell};
    platform::Platform platform{ui,    profile, codePage,    network,         processes,
                                shell, files,   application, instanceChannel, "http://127.0.0.1:9",
                                ""};
    client::FormRegistry registry{platform};
    mainwindow::MainWindow& form1 = registry.Form1();
    platform::Form& window = form1.form();
};

}  // namespace fluvane::platform::qt::testing

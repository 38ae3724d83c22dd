#include "startup/process_utils.h"

#include "support/app_fixture.h"

#include <vector>

namespace fluvane::startup {

using namespace testsupport;
namespace {

using ProcessUtilsTest = AppTest;
using Names = std::vector<std::string>;

TEST_F(ProcessUtilsTest, KillAllPlayersSendsEveryNameAndLeavesTheClientToEndItself) {
    sim.processes().addProcess("fluvaneapp");
    sim.processes().addProcess("QvodPlayer.exe");
    KillAllPlayers(platform.processes);

    EXPECT_EQ(sim.processes().terminations(), (Names{"BaiduP2PService.exe", "QvodPlayer.exe", "QvodTerminal.exe",
                                                     "fluvane.exe", "orvelbaidu.exe", "fluvaneapp.exe"}));
    EXPECT_FALSE(sim.application().ended());
    EXPECT_TRUE(IsProcessRunning(platform.processes, "fluvane.exe"));
    EXPECT_FALSE(IsProcessRunning(platform.processes, "fluvaneapp.exe"));
    EXPECT_FALSE(IsProcessRunning(platform.processes, "QvodPlayer.exe"));
}

TEST_F(ProcessUtilsTest, KillExternalPlayersSparesTheClientAndItsPlayer) {
    sim.processes().addProcess("fluvaneapp");
    sim.processes().addProcess("orvelbaidu");
    KillExternalPlayers(platform.processes);

    EXPECT_EQ(sim.processes().terminations(),
              (Names{"BaiduP2PService.exe", "QvodPlayer.exe", "QvodTerminal.exe", "orvelbaidu.exe"}));
    EXPECT_FALSE(sim.application().ended());
    EXPECT_TRUE(IsProcessRunning(platform.processes, "fluvaneapp.exe"));
    EXPECT_FALSE(IsProcessRunning(platform.processes, "orvelbaidu.exe"));

    KillPlayerApp(platform.processes);
    EXPECT_EQ(sim.processes().terminations().back(), "fluvaneapp.exe");
    EXPECT_FALSE(IsProcessRunning(platform.processes, "fluvaneapp.exe"));
}

TEST_F(ProcessUtilsTest, IsProcessRunningMatchesImageNamesWithOrWithoutExe) {
    EXPECT_FALSE(IsProcessRunning(platform.processes, "fluvaneapp.exe"))
        << "the client itself must not pass for its player program";
    EXPECT_TRUE(IsProcessRunning(platform.processes, "fluvane.exe"));

    sim.processes().addProcess("");
    EXPECT_FALSE(IsProcessRunning(platform.processes, "fluvaneapp.exe"));

    sim.processes().addProcess("FluvaneApp.EXE");
    EXPECT_TRUE(IsProcessRunning(platform.processes, "fluvaneapp.exe"));
    EXPECT_TRUE(IsProcessRunning(platform.processes, "FLUVANEAPP.exe"));
}

TEST_F(ProcessUtilsTest, IsProcessRunningWantsTheWholeImageName) {
    for (const char* other : {"app", "p", "app.exe", "luvaneapp", "fluvaneapp.exe.bak", "QvodPlayer"}) {
        sim.processes().addProcess(other);
    }
    EXPECT_FALSE(IsProcessRunning(platform.processes, "fluvaneapp.exe"));
    sim.processes().addProcess("fluvaneapp");
    EXPECT_TRUE(IsProcessRunning(platform.processes, "fluvaneapp.exe"));
    EXPECT_TRUE(IsProcessRunning(platform.processes, "QvodPlayer.exe"));
    EXPECT_FALSE(IsProcessRunning(platform.processes, "orvelbaidu.exe"));
}

TEST_F(ProcessUtilsTest, OnlyWebAddressesReachTheBrowserOrTheShell) {
    for (const std::string url : {"file:///etc/passwd", "/usr/bin/xterm", "", "--new-window", "-http://x/",
                                  "javascript:alert(1)", "HTTPS://portal.test/notice", "http://portal.test/a b"}) {
        OpenInBrowser(platform.shell, url);
        OpenLink(platform.shell, url);
    }
    EXPECT_EQ(sim.shell().openedInBrowser(), (Names{"HTTPS://portal.test/notice", "http://portal.test/a b"}));
    EXPECT_EQ(sim.shell().openedLinks(), (Names{"HTTPS://portal.test/notice", "http://portal.test/a b"}));
}

}  // namespace
}  // namespace fluvane::startup

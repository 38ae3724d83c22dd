#include "form1_fixture.h"

namespace fluvane::mainwindow {
namespace {

using Calls = std::vector<std::string>;

// Quitting saves the playlist and removes the tray icon first; then either the
// exit advertisement shows, the main window closes and the pop-up closes, or
// every player and other copy of the client are terminated and the client
// ends itself, whatever its executable is called.
TEST_F(Form1Fixture, QuittingSavesRemovesTheIconThenHandsOverOrEnds) {
    struct Case {
        bool tuichu;
        Calls windowCalls;
        bool mainClosed;
        Calls terminations;
    };
    const Case cases[] = {
        {true, {"exit ad", "close popup"}, true, {}},
        {false,
         {},
         false,
         {"BaiduP2PService.exe", "QvodPlayer.exe", "QvodTerminal.exe", "fluvane.exe", "orvelbaidu.exe",
          "fluvaneapp.exe"}},
    };
    const auto playlist = appDir() / "zelskin" / "zelplaylist.xml";
    for (const Case& c : cases) {
        std::filesystem::remove(playlist);
        Form1Design& f = load();
        f.SFPlayList1->AddNode("剧集");
        Form1Inside::values(*form).tuichu = c.tuichu;
        windows.calls.clear();
        windows.onCall = [&] {
            EXPECT_TRUE(std::filesystem::exists(playlist)) << "saved before the exit advertisement";
            EXPECT_EQ(sim.ui().notifyIconCalls().back().operation, platform::NotifyIconOperation::Delete);
            // The main window closes between showing the one and closing the other.
            EXPECT_EQ(window().closed(), windows.calls.back() == "close popup") << windows.calls.back();
        };
        const std::size_t terminationsBefore = sim.processes().terminations().size();

        form->exitSequence();

        EXPECT_EQ(windows.calls, c.windowCalls) << c.tuichu;
        EXPECT_EQ(window().closed(), c.mainClosed) << c.tuichu;
        EXPECT_NE(testsupport::readBytes(playlist).find("剧集"), std::string::npos) << c.tuichu;
        EXPECT_EQ(sim.ui().notifyIconCalls().back().operation, platform::NotifyIconOperation::Delete);
        const auto& all = sim.processes().terminations();
        EXPECT_EQ(Calls(all.begin() + static_cast<std::ptrdiff_t>(terminationsBefore), all.end()), c.terminations)
            << c.tuichu;
        EXPECT_EQ(sim.application().ended(), !c.mainClosed) << c.tuichu;
        EXPECT_EQ(sim.application().exitCode(), 0) << c.tuichu;
        windows.onCall = nullptr;
    }
}

}  // namespace
}  // namespace fluvane::mainwindow

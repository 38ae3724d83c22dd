#include "sim_fixture.h"

#include <fstream>
#include <sstream>

namespace fluvane::platform::sim::testing {
namespace {

using platform::MessageBoxButtons;
using platform::MessageBoxIcon;
using platform::MessageBoxResult;

std::string contents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class ServicesTest : public SimTest {};

TEST_F(ServicesTest, DownloadBlocksTheClockAndDueTicksArriveOnceAfterwards) {
    int ticks = 0;
    auto timer = ui().createTimer();
    timer->setInterval(1000);
    timer->tick = [&] { ++ticks; };
    timer->setEnabled(true);
    sim->network().serve("http://p/zel/zel.txt", {"body", 3500, false});

    EXPECT_TRUE(sim->network().downloadToFile("http://p/zel/zel.txt", directory / "zelhe.db"));
    EXPECT_EQ(sim->now(), 3500);
    EXPECT_EQ(ticks, 0);
    sim->advance(0);
    EXPECT_EQ(ticks, 1);
    sim->advance(999);
    EXPECT_EQ(ticks, 1);
    sim->advance(1);
    EXPECT_EQ(ticks, 2);
}

TEST_F(ServicesTest, FailedDownloadLeavesTheFileAsItWas) {
    const auto file = directory / "zelhe.db";
    std::ofstream(file) << "old";
    auto& network = sim->network();
    network.serve("http://p/broken", {"partial", 200, true});
    network.serve("http://p/blank", {"", 0, false, 200});
    EXPECT_FALSE(network.downloadToFile("http://p/broken", file));
    EXPECT_FALSE(network.downloadToFile("http://p/blank", file));
    EXPECT_FALSE(network.downloadToFile("http://p/unknown", file));
    EXPECT_EQ(contents(file), "old");
    EXPECT_EQ(sim->now(), 200);

    network.serve("http://p/good", {"new", 0, false});
    EXPECT_TRUE(network.downloadToFile("http://p/good", file));
    EXPECT_EQ(contents(file), "new");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory), {}), 1) << "no temporary file left";
    EXPECT_FALSE(network.downloadToFile("http://p/good", directory / "missing" / "x"));
    EXPECT_EQ(network.downloads(), (std::vector<std::string>{"http://p/broken", "http://p/blank", "http://p/unknown",
                                                             "http://p/good", "http://p/good"}));
}

TEST_F(ServicesTest, StartedProgramsJoinTheTableAndTerminationMatchesImageNames) {
    auto& processes = sim->processes();
    const auto player = directory / "app" / "fluvaneapp";
    processes.setSpawns(player, "FluvaneApp");
    processes.addProcess("qvod.exe");
    EXPECT_TRUE(processes.start(player, {"--url", "x"}, platform::WindowStyle::NormalFocus));
    ASSERT_EQ(processes.starts().size(), 1u);
    EXPECT_EQ(processes.starts()[0].arguments, (std::vector<std::string>{"--url", "x"}));

    processes.terminateByImageName("fluvaneapp.exe");
    processes.terminateByImageName("qvod");
    const auto remaining = processes.list();
    ASSERT_EQ(remaining.size(), 2u);
    EXPECT_EQ(remaining[0].imageName, "fluvane");
    EXPECT_EQ(remaining[1].imageName, "qvod.exe") << "\"qvod\" does not match \"qvod.exe\"";
    EXPECT_FALSE(sim->application().ended());

    processes.setFailsToStart(player);
    EXPECT_FALSE(processes.start(player, {}, platform::WindowStyle::Hidden));
    EXPECT_EQ(processes.list().size(), 2u);
}

// The client ends itself, in order: its own image name ends only its other copies.
TEST_F(ServicesTest, TerminatingOwnImageEndsOtherCopiesOnly) {
    sim->processes().addProcess("fluvane");
    sim->processes().terminateByImageName("FLUVANE.EXE");
    ASSERT_EQ(sim->processes().list().size(), 1u);
    EXPECT_EQ(sim->processes().list().front().pid, SimProcesses::kSelf);
    EXPECT_FALSE(sim->application().ended());
    sim->application().endProcess(0);
    sim->application().endProcess(1);
    EXPECT_EQ(sim->application().exitCode(), 0) << "the first end is the one that counts";
}

TEST_F(ServicesTest, MessageBoxesAnswerQueuedChoicesElseTheSafeOne) {
    EXPECT_EQ(ui().messageBox("t", "a", MessageBoxIcon::Question, MessageBoxButtons::YesNo), MessageBoxResult::No);
    EXPECT_EQ(ui().messageBox("t", "b", MessageBoxIcon::None, MessageBoxButtons::OkCancel), MessageBoxResult::Cancel);
    ui().queueMessageBoxAnswer(MessageBoxResult::Yes);
    EXPECT_EQ(ui().messageBox("t", "c", MessageBoxIcon::Question, MessageBoxButtons::YesNo), MessageBoxResult::Yes);
    ASSERT_EQ(ui().messageBoxes().size(), 3u);
    EXPECT_EQ(ui().messageBoxes()[2].text, "c");
}

TEST_F(ServicesTest, PopupMenuReturnsOnlyAnEnabledQueuedItem) {
    auto owner = ui().createForm();
    const std::vector<platform::MenuItem> items{
        {1, "打开", false, true}, {0, "", false, true}, {2, "退出", false, false}};
    ui().queueMenuChoice(2);
    ui().queueMenuChoice(1);
    EXPECT_EQ(ui().popupMenu(*owner, items, {5, 5}), 0);
    EXPECT_EQ(ui().popupMenu(*owner, items, {5, 5}), 1);
    EXPECT_EQ(ui().popupMenu(*owner, items, {5, 5}), 0);
}

TEST_F(ServicesTest, TrayIconKeepsItsRecordAndCallsBackItsOwner) {
    auto owner = ui().createForm();
    std::vector<std::intptr_t> callbacks;
    platform::WindowProcedure previous;
    previous = owner->replaceProcedure([&](std::uint32_t m, std::uintptr_t w, std::intptr_t l) {
        if (m == platform::msg::TrayCallback) callbacks.push_back(l);
        return previous(m, w, l);
    });
    platform::NotifyIconData data;
    data.owner = owner.get();
    data.id = 7;
    data.flags = 1 | 4;
    data.callbackMessage = platform::msg::TrayCallback;
    data.tip = "澜映";
    EXPECT_FALSE(ui().raiseTrayCallback(7, platform::traymsg::LeftButtonUp));
    EXPECT_TRUE(ui().notifyIcon(platform::NotifyIconOperation::Add, data));
    EXPECT_FALSE(ui().notifyIcon(platform::NotifyIconOperation::Add, data));
    EXPECT_TRUE(ui().raiseTrayCallback(7, platform::traymsg::RightButtonUp));
    EXPECT_EQ(callbacks, (std::vector<std::intptr_t>{platform::traymsg::RightButtonUp}));
    EXPECT_TRUE(ui().notifyIcon(platform::NotifyIconOperation::Delete, data));
    EXPECT_EQ(ui().trayIcon(7), nullptr);
    EXPECT_FALSE(ui().notifyIcon(platform::NotifyIconOperation::Modify, data));
    EXPECT_EQ(ui().notifyIconCalls().size(), 4u);
}

TEST_F(ServicesTest, PlatformAggregateCarriesTheUrlsAndServices) {
    const platform::Platform p = sim->platform();
    EXPECT_EQ(p.portalUrl, "http://127.0.0.1:8090");
    EXPECT_EQ(p.checkUrl, p.portalUrl);
    EXPECT_EQ(p.application.executable(), directory / "fluvane");
    EXPECT_EQ(p.shell.desktopFolder(), directory / "Desktop");
}

}  // namespace
}  // namespace fluvane::platform::sim::testing

#include "client/loadme.h"

#include "client/client.h"

#include "startup/arguments.h"
#include "startup/config_files.h"
#include "support/app_fixture.h"
#include "support/form1_inside.h"

namespace fluvane::client {

using namespace testsupport;
namespace {

using Calls = std::vector<std::string>;

class LoadmeTest : public AppTest {
protected:
    LoadmeTest() { writeGbk("zelhe.db", serverConfig("1.0")); }

    bool mainWindowShown() {
        return mainWindowLoaded() && platform::sim::as<platform::sim::SimForm>(main().form()).shown();
    }
    Calls downloads() { return sim.network().downloads(); }
    long configDownloads() {
        const Calls all = downloads();
        return std::count(all.begin(), all.end(), "http://portal.test/zel/zel.txt");
    }
    platform::sim::SimBrowser& browser(platform::BrowserPane* pane) {
        return platform::sim::as<platform::sim::SimBrowser>(*pane);
    }
    void advanceTo(std::int64_t time) { sim.advance(time - sim.now()); }

    bool mainWindowLoaded() { return client.forms().loadedForm1() != nullptr; }
    windows::fMain* sideWindow() { return client.forms().fMain().loaded(); }
    mainwindow::MainWindow& main() { return client.forms().Form1(); }

    Client client{platform};
    loadme* start = &client.startWindow();
};

// What a second start hands the running client: the page of a valid shortcut
// argument, nothing else. It ends before any window or network access either way.
struct SecondStart {
    const char* decoded;  // the command line before scrambling; empty: none
    Calls handedOver;
};

class SecondInstanceTest : public LoadmeTest, public ::testing::WithParamInterface<SecondStart> {};

TEST_P(SecondInstanceTest, EndsBeforeAnyWindowOrNetworkAccessHandingOverOnlyAShortcutsPage) {
    sim.processes().setAnotherInstanceRunning(true);
    if (*GetParam().decoded) sim.application().setArguments({startup::EncodeArguments(codePage, GetParam().decoded)});
    start->Form_Load();

    EXPECT_EQ(sim.instanceChannel().sentPages(), GetParam().handedOver);
    EXPECT_TRUE(sim.application().ended());
    EXPECT_TRUE(sim.ui().forms().empty());
    EXPECT_TRUE(sim.network().connectionChecks().empty());
    EXPECT_TRUE(downloads().empty());
    EXPECT_FALSE(mainWindowLoaded());
    EXPECT_FALSE(sim.instanceChannel().listening());
}

INSTANTIATE_TEST_SUITE_P(Arguments, SecondInstanceTest,
                         ::testing::Values(SecondStart{"", {}},
                                           SecondStart{"神探 第2集#@@http://portal.test/tcab/show/?id=7",
                                                       {"http://portal.test/tcab/show/?id=7"}},
                                           SecondStart{"http://portal.test/tcab/", {}},
                                           SecondStart{"神探#@@javascript:alert(1)", {}}));

TEST_F(LoadmeTest, WithoutUpdatesTheMainWindowOpensAfterTheTimersAndTheDownload) {
    writeSettings("False", "1.0");
    serveGbk("/zel/zel.txt", serverConfig("2.0"), 700);
    start->Form_Load();

    ASSERT_EQ(sim.ui().forms().size(), 1u);
    EXPECT_EQ(sim.ui().forms().front()->alpha(), 0);
    EXPECT_EQ(sim.network().connectionChecks(), Calls{kCheckUrl});
    EXPECT_FALSE(mainWindowLoaded());

    sim.advance(99);
    EXPECT_TRUE(downloads().empty());
    sim.advance(1);
    EXPECT_EQ(downloads(), Calls{"http://portal.test/zel/zel.txt"});
    EXPECT_EQ(start->Text2, "2.0");
    EXPECT_EQ(start->Text1, "1.0");

    advanceTo(1099);
    EXPECT_FALSE(mainWindowLoaded());
    advanceTo(1100);
    EXPECT_TRUE(mainWindowShown());
    EXPECT_TRUE(start->unloaded());
    EXPECT_TRUE(sim.instanceChannel().listening());
    EXPECT_TRUE(sim.ui().messageBoxes().empty());
    EXPECT_FALSE(sim.application().ended());
    EXPECT_EQ(startup::ReadServerConfig(platform, "软件更新配置", "版本"), "2.0");
    EXPECT_EQ(sideWindow(), nullptr) << "switched off";

    advanceTo(1100 + 3000);
    EXPECT_EQ(browser(controlsOf(main()).ListWeb).navigations().back(), "http://portal.test/tcab/");
}

TEST_F(LoadmeTest, TheClientRunsTheStartUpToTheMainWindow) {
    writeSettings("True", "1.0");
    serveGbk("/zel/zel.txt", serverConfig("1.0"));
    client.start();
    sim.advance(400 + 3000);

    const auto& forms = sim.ui().forms();
    ASSERT_EQ(forms.size(), 2u);
    EXPECT_TRUE(forms[0]->closed());
    EXPECT_TRUE(forms[1]->shown());
    EXPECT_EQ(forms[1]->caption(), "澜映影视");
    EXPECT_FALSE(sim.application().ended());
}

TEST_F(LoadmeTest, TheSideWindowOpensBesideTheMainWindowWhenSwitchedOn) {
    writeSettings("False", "1.0");
    serveGbk("/zel/zel.txt", serverConfig("1.0", "1"));
    start->Form_Load();
    sim.advance(400);

    ASSERT_TRUE(mainWindowShown());
    ASSERT_NE(sideWindow(), nullptr);
    const platform::Rect beside = main().form().geometry();
    const platform::Rect side = sideWindow()->form().geometry();
    EXPECT_EQ((platform::Point{side.left, side.top}), (platform::Point{beside.right, beside.top}));
    EXPECT_TRUE(platform::sim::as<platform::sim::SimForm>(sideWindow()->form()).shown());
}

TEST_F(LoadmeTest, AShortcutStartShowsNoSideWindow) {
    writeGbk("zelhe.db", serverConfig("1.0", "1"));
    sim.application().setArguments({startup::EncodeArguments(codePage, "神探#@@http://portal.test/tcab/show/?id=7")});
    start->Form_Load();
    sim.advance(10000);

    ASSERT_TRUE(mainWindowShown());
    EXPECT_EQ(sideWindow(), nullptr);
}

TEST_F(LoadmeTest, AnUnreachablePortalStillHandsOverWithTheOldConfiguration) {
    writeSettings("True", "1.0");
    start->Form_Load();
    sim.advance(400);

    EXPECT_TRUE(mainWindowShown());
    EXPECT_EQ(main().portalAddress(), "http://portal.test");
    EXPECT_TRUE(sim.ui().messageBoxes().empty());
}

// An installed copy keeps the settings it reads, the server configuration,
// the notice list and the playlist in the user's folder, in the same layout,
// and leaves the installation as it was.
TEST_F(LoadmeTest, AnInstalledCopyWritesOnlyIntoItsDataDirectory) {
    const std::filesystem::path data = dir.root() / "data";
    std::filesystem::create_directories(data / "zelskin");
    writeBytes(data / "zelskin" / "Config.ini",
               codePage.toGbk("[form]\r\nupdate=False\r\nshipinku=True\r\n[Version]\r\nVersion=3.1\r\n"));
    sim.application().setDataDirectory(data);
    const auto listing = [this] {
        std::vector<std::string> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(appDir()))
            files.push_back(entry.path().string() + " " + (entry.is_regular_file() ? readBytes(entry.path()) : ""));
        return files;
    };
    const std::vector<std::string> installed = listing();
    serveGbk("/zel/zel.txt", serverConfig("1.0"));
    serveGbk("/zel/link.txt", "公告|http://portal.test/tcab/\r\n");
    start->Form_Load();
    sim.advance(400);
    ASSERT_TRUE(mainWindowShown());
    main().exitSequence();

    EXPECT_EQ(controlsOf(main()).Label1->caption(), "当前版本:3.1版");
    for (const char* kept : {"zelhe.db", "link.txt", "zelskin/zelplaylist.xml"}) {
        EXPECT_TRUE(std::filesystem::exists(data / kept)) << kept;
    }
    EXPECT_EQ(listing(), installed);
}

TEST_F(LoadmeTest, OfflineTheBalloonShowsForItsTimeThenTheProcessEnds) {
    writeGbk("zelhe.db", serverConfig("1.0", "0", "1") + "[电影推荐窗口]\r\n开关=1\r\n");
    sim.network().setConnected(false);
    start->Form_Load();

    ASSERT_TRUE(mainWindowLoaded());
    EXPECT_FALSE(platform::sim::as<platform::sim::SimForm>(main().form()).shown());
    const platform::NotifyIconData& balloon = sim.ui().notifyIconCalls().back().data;
    EXPECT_EQ(balloon.balloonTitle + "/" + balloon.balloonText + "/" + std::to_string(balloon.balloonIcon) + "/" +
                  std::to_string(balloon.timeoutMs),
              "网络没有连接/请连接网络重试/1/10000");
    // The icon takes no clicks meanwhile: the half-loaded window stays hidden.
    const std::size_t menus = sim.ui().menus().size();
    for (const auto click :
         {platform::traymsg::LeftButtonUp, platform::traymsg::RightButtonUp, platform::traymsg::BalloonClick})
        sim.ui().raiseTrayCallback(0, click);
    EXPECT_FALSE(platform::sim::as<platform::sim::SimForm>(main().form()).shown());
    EXPECT_EQ(sim.ui().menus().size(), menus);
    sim.advance(9999);
    EXPECT_FALSE(sim.application().ended());
    EXPECT_EQ(downloads(), Calls{"http://portal.test/zel/link.txt"}) << "nothing but the load's own request";
    using mainwindow::Form1Inside;
    for (const platform::Timer* timer :
         {&Form1Inside::T4(main()), &Form1Inside::T6(main()), &Form1Inside::hit2(main()), &Form1Inside::gun(main())})
        EXPECT_FALSE(timer->enabled()) << "the hidden main window does nothing else";
    sim.advance(1);
    EXPECT_TRUE(sim.application().ended());
}

TEST_F(LoadmeTest, OfflineWithoutANotificationAreaAMessageBoxSaysIt) {
    sim.network().setConnected(false);
    sim.ui().setTrayAvailable(false);
    start->Form_Load();

    ASSERT_EQ(sim.ui().messageBoxes().size(), 1u);
    EXPECT_EQ(sim.ui().messageBoxes().front().title, "网络没有连接");
    EXPECT_EQ(sim.ui().messageBoxes().front().text, "请连接网络重试");
    EXPECT_TRUE(sim.application().ended());
}

// A shortcut clicked while the start-up still runs is not lost: its page
// waits for the main window.
TEST_F(LoadmeTest, APageHandedOverDuringStartUpShowsOnceTheMainWindowOpens) {
    writeSettings("False", "1.0");
    serveGbk("/zel/zel.txt", serverConfig("1.0"), 700);
    start->Form_Load();
    ASSERT_TRUE(sim.instanceChannel().listening());
    const std::string page = "http://portal.test/tcab/show/?id=9";
    sim.instanceChannel().deliver(page);
    EXPECT_FALSE(mainWindowLoaded());

    advanceTo(1100);
    ASSERT_TRUE(mainWindowShown());
    EXPECT_EQ(browser(controlsOf(main()).ListWeb).navigations().back(), page);
}

// On the library view, whatever view the settings open on: the page is what
// the user asked for.
TEST_F(LoadmeTest, AShortcutOpensItsPageDirectlyWithoutDownloadOrVersionCheck) {
    writeSettings("True", "1.0", "False");
    const std::string page = "http://portal.test/tcab/show/?id=7";
    sim.application().setArguments({startup::EncodeArguments(codePage, "神探 第2集#@@" + page)});
    start->Form_Load();

    ASSERT_TRUE(mainWindowShown());
    EXPECT_TRUE(controlsOf(main()).Picture1->visible()) << "the library view";
    EXPECT_TRUE(start->unloaded());
    EXPECT_TRUE(sim.instanceChannel().listening());
    mainwindow::MainWindow& window = main();
    EXPECT_EQ(browser(controlsOf(window).ListWeb).navigations().back(), page);
    EXPECT_EQ(browser(controlsOf(window).qvod).navigations(), Calls{"http://portal.test/tcab/zelad/zelloading.html"});

    sim.advance(10000);
    EXPECT_EQ(browser(controlsOf(window).ListWeb).navigations().back(), page);
    EXPECT_EQ(configDownloads(), 0);
    EXPECT_TRUE(sim.ui().messageBoxes().empty());
}

TEST_F(LoadmeTest, AShortcutArgumentWithoutSeparatorEndsTheProgram) {
    sim.application().setArguments({startup::EncodeArguments(codePage, "http://portal.test/tcab/")});
    start->Form_Load();

    EXPECT_TRUE(sim.application().ended());
    EXPECT_FALSE(mainWindowLoaded());
    sim.advance(1000);
    EXPECT_TRUE(downloads().empty());
}

TEST_F(LoadmeTest, AcceptingAnUpdateWithoutUpdaterHandsOver) {
    writeSettings("True", "1.0");
    serveGbk("/zel/zel.txt", serverConfig("1.1"));
    sim.ui().queueMessageBoxAnswer(platform::MessageBoxResult::Yes);
    start->Form_Load();
    sim.advance(400);

    ASSERT_EQ(sim.ui().messageBoxes().size(), 1u);
    EXPECT_EQ(sim.ui().messageBoxes().front().text, "是否立即升级新版本新版版本号：1.1");
    EXPECT_TRUE(sim.processes().starts().empty());
    EXPECT_TRUE(mainWindowShown());
    EXPECT_FALSE(sim.application().ended());
}

TEST_F(LoadmeTest, AcceptingAnUpdateStartsTheUpdaterAndNeverShowsTheMainWindow) {
    writeSettings("true", "1.0");
    writeBytes(appDir() / "update", "#!/bin/sh\n");
    serveGbk("/zel/zel.txt", serverConfig("1.1"));
    sim.ui().queueMessageBoxAnswer(platform::MessageBoxResult::Yes);
    start->Form_Load();
    sim.advance(400);

    ASSERT_EQ(sim.processes().starts().size(), 1u);
    EXPECT_EQ(sim.processes().starts().front().arguments, Calls{"1.1###shengji###"});
    EXPECT_TRUE(sim.application().ended());
    EXPECT_FALSE(mainWindowLoaded());
}

TEST_F(LoadmeTest, EqualVersionsStartNothingAtStartUp) {
    writeSettings("True", "1.0");
    writeBytes(appDir() / "update", "#!/bin/sh\n");
    serveGbk("/zel/zel.txt", serverConfig("1.0"));
    start->Form_Load();
    sim.advance(400);

    EXPECT_TRUE(sim.ui().messageBoxes().empty());
    EXPECT_TRUE(sim.processes().starts().empty());
    EXPECT_TRUE(mainWindowShown());
}

TEST_F(LoadmeTest, AnUnreadableUpdateSettingMeansNoUpdateCheck) {
    writeSettings("perhaps", "1.0");
    serveGbk("/zel/zel.txt", serverConfig("9.0"));
    start->Form_Load();
    sim.advance(400);

    EXPECT_TRUE(sim.ui().messageBoxes().empty());
    EXPECT_TRUE(mainWindowShown());
}

// The running client, on the player view, hidden and then minimised: each
// page handed over shows in the library view, in front, and the first
// navigation that was still due does not replace it.
TEST_F(LoadmeTest, AHandedOverPageShowsInTheLibraryViewInFront) {
    writeSettings("False", "1.0", "False");
    start->Form_Load();
    sim.advance(400);
    ASSERT_TRUE(mainWindowShown());
    mainwindow::MainWindow& window = main();
    platform::sim::SimForm& form = platform::sim::as<platform::sim::SimForm>(window.form());
    ASSERT_FALSE(controlsOf(window).Picture1->visible());
    controlsOf(window).W2->setVisible(true);
    window.form().hide();

    const std::string first = "http://portal.test/tcab/show/?id=7";
    sim.instanceChannel().deliver(first);
    EXPECT_TRUE(form.shown());
    EXPECT_EQ(form.foregroundRequests(), 1);
    EXPECT_TRUE(controlsOf(window).Picture1->visible());
    EXPECT_FALSE(controlsOf(window).W2->visible());
    EXPECT_EQ(browser(controlsOf(window).ListWeb).navigations().back(), first);
    sim.advance(5000);
    EXPECT_EQ(browser(controlsOf(window).ListWeb).navigations().back(), first);
    EXPECT_EQ(browser(controlsOf(window).qvod).navigations(), Calls{"http://portal.test/tcab/zelad/zelloading.html"});

    window.form().setWindowState(platform::WindowState::Maximized);
    window.form().setWindowState(platform::WindowState::Minimized);
    const std::string second = "http://portal.test/tcab/list/?page=2";
    sim.instanceChannel().deliver(second);
    EXPECT_TRUE(form.shown());
    EXPECT_EQ(window.form().windowState(), platform::WindowState::Maximized);
    EXPECT_EQ(form.foregroundRequests(), 2);
    EXPECT_EQ(browser(controlsOf(window).ListWeb).navigations().back(), second);
}

TEST_F(LoadmeTest, AHandedOverPageOutsideThePortalIsIgnored) {
    start->Form_Load();
    sim.advance(400 + 3000);
    mainwindow::MainWindow& window = main();
    window.form().hide();
    const Calls before = browser(controlsOf(window).ListWeb).navigations();

    for (const char* page : {"http://elsewhere.test/tcab/", "http://portal.test.elsewhere.test/tcab/",
                             "http://portal.test@elsewhere.test/", "http://portal.testing/", "javascript:alert(1)",
                             "file:///etc/passwd", "portal.test/tcab/", ""}) {
        SCOPED_TRACE(page);
        sim.instanceChannel().deliver(page);
        EXPECT_EQ(browser(controlsOf(window).ListWeb).navigations(), before);
        EXPECT_FALSE(mainWindowShown());
    }
}

}  // namespace
}  // namespace fluvane::client

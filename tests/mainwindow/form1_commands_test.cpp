#include "form1_fixture.h"

#include "platform/posix/posix_shell.h"
#include "startup/arguments.h"

#include <set>

namespace fluvane::mainwindow {
namespace {

using Calls = std::vector<std::string>;
using platform::sim::as;
using platform::sim::SimBrowser;

const std::string kMade = "tip 放入桌面成功，下次从桌面打开即可观看";
const std::string kFailed = "tip 放入桌面失败，无法在桌面上创建快捷方式";
const Calls kExternalPlayers{"BaiduP2PService.exe", "QvodPlayer.exe", "QvodTerminal.exe", "orvelbaidu.exe"};

// A main window on the library view, as a user who follows links sees it.
class Form1CommandsTest : public Form1Fixture {
protected:
    Form1CommandsTest() { writeSettings("False", "1.0", "True"); }

    static SimBrowser& browser(platform::BrowserPane* pane) { return as<SimBrowser>(*pane); }
    // The playlist as "group: name=url, …" per group.
    Calls playlist() {
        Calls groups;
        const controls::SFPlayList& list = *controls().SFPlayList1;
        for (int node = 0; node < list.NodesCount(); ++node) {
            std::string group = list.NodeText(node) + ":";
            for (int item = 0; item < list.ItemsCount(node); ++item)
                group += " " + list.ItemName(node, item) + "=" + list.ItemURL(node, item);
            groups.push_back(group);
        }
        return groups;
    }
    std::string decodedArgument(const platform::Shortcut& shortcut) const {
        return shortcut.arguments.size() == 1 ? startup::DecodeArguments(codePage, shortcut.arguments.front())
                                              : "arguments: " + std::to_string(shortcut.arguments.size());
    }
};

// The tests for the schemes are substring tests in any letter case, and one
// URL may hold several commands: each of them runs.
TEST_F(Form1CommandsTest, TheLibraryPaneRunsEveryCommandItsUrlHolds) {
    struct Case {
        std::string url;
        bool cancelled;
        Calls windows;
        std::string player;  // where W3 went, "" for nowhere
    };
    const std::vector<Case> cases{
        {"http://portal.test/tcab/list.html", false, {}, ""},
        {"http://portal.test/tcab/search.asp?q=GBOOK://x", true, {"feedback"}, ""},
        {"FLVPLAY:///TCAB/PLAY/7.HTML", true, {}, "http://portal.test/tcab/play/7.html"},
        {"http://portal.test/go?to=youkuplay:///tcab/p.html",
         true,
         {},
         "http://portal.test/go?to=http://portal.test/tcab/p.html"},
        {"http://portal.test/x?a=gbook://&b=qiyiplay:///tcab/p.html&c=dddisk://片名@@@/tcab/s/",
         true,
         {kMade, "feedback"},
         "http://portal.test/x?a=gbook://&b=http://portal.test/tcab/p.html&c=dddisk://片名@@@/tcab/s/"},
    };
    for (const Case& c : cases) {
        windows.calls.clear();
        Form1Design& f = load();
        EXPECT_EQ(browser(f.ListWeb).raiseBeforeNavigate(c.url), c.cancelled) << c.url;
        EXPECT_EQ(windows.calls, c.windows) << c.url;
        const auto& played = browser(f.W3).navigations();
        EXPECT_EQ(played.empty() ? "" : played.back(), c.player) << c.url;
        EXPECT_EQ(f.W3->visible(), !c.player.empty()) << c.url;
        EXPECT_EQ(f.Picture1->visible(), c.player.empty()) << c.url << ": the player view shows a play";
    }
}

// Only the links of the play link's own scheme are taken, newest first; the
// page's second play link finds its group there already.
TEST_F(Form1CommandsTest, APlayLinkBuffersPlaysAndCollectsThePageEpisodesOnce) {
    Form1Design& f = load();
    form->listcose();
    const std::string page = "http://portal.test/tcab/show/7.html";
    sim.ui().setDocumentForUrl(page, {"神探",
                                      {{"flvplay:///tcab/play/7-1.html", "第1集"},
                                       {"youkuplay:///tcab/play/y.html", "优酷"},
                                       {"javascript:void('flvplay://')", "脚本"},
                                       {"flvplay:///tcab/play/7-2.html", "第2集"}}});
    f.ListWeb->navigate(page);

    ASSERT_TRUE(browser(f.ListWeb).raiseBeforeNavigate("flvplay:///tcab/play/7-1.html"));
    const Calls collected{
        "神探: 第2集=http://portal.test/tcab/play/7-2.html 第1集=http://portal.test/tcab/play/7-1.html"};
    EXPECT_EQ(playlist(), collected);
    EXPECT_EQ(sim.processes().terminations(), kExternalPlayers);
    EXPECT_FALSE(f.bj->visible());
    EXPECT_TRUE(f.vip->visible());
    EXPECT_TRUE(f.listad1->UserControl.visible());
    EXPECT_EQ(browser(f.W3).navigations(), Calls{"http://portal.test/tcab/play/7-1.html"});

    ASSERT_TRUE(browser(f.ListWeb).raiseBeforeNavigate("flvplay:///tcab/play/7-2.html"));
    EXPECT_EQ(playlist(), collected);
    EXPECT_EQ(browser(f.W3).navigations().back(), "http://portal.test/tcab/play/7-2.html");
}

// Only a document of the portal's origin commands: not a frame of another
// site inside the portal's pages, nor another site's page on top after a click.
TEST_F(Form1CommandsTest, OnlyThePortalsOwnDocumentsCommand) {
    struct Case {
        platform::NavigationSource source;
        bool obeyed;
    };
    for (const Case& c : {Case{{"http://ads.test"}, false}, Case{{"null"}, false},
                          Case{{"http://portal.test:8080"}, false}, Case{{"http://portal.test"}, true}}) {
        windows.calls.clear();
        Form1Design& f = load();
        browser(f.ListWeb).setDocument({"神探", {{"flvplay:///tcab/play/1.html", "第1集"}}});
        const std::string commands = "flvplay:///tcab/play/1.html?gbook://&dddisk://片名@@@/tcab/";
        browser(f.ListWeb).raiseBeforeNavigate(commands, c.source);
        EXPECT_EQ(f.W3->visible(), c.obeyed) << c.source.origin;
        EXPECT_EQ(windows.calls.size(), c.obeyed ? 2u : 0u) << c.source.origin;
        EXPECT_EQ(f.SFPlayList1->NodesCount(), c.obeyed ? 1 : 0) << c.source.origin;
        f.W3->setVisible(true);
        browser(f.W3).raiseBeforeNavigate("colse://", c.source);
        EXPECT_EQ(f.W3->visible(), !c.obeyed) << c.source.origin;
    }
}

TEST_F(Form1CommandsTest, ThePlayerPageClosesItself) {
    Form1Design& f = load();
    ASSERT_TRUE(browser(f.ListWeb).raiseBeforeNavigate("flvplay:///tcab/play/1.html"));
    ASSERT_TRUE(f.W3->visible());

    EXPECT_FALSE(browser(f.W3).raiseBeforeNavigate("http://portal.test/tcab/close.html")) << "close:// is not it";
    EXPECT_TRUE(browser(f.W3).raiseBeforeNavigate("http://portal.test/tcab/end?x=COLSE://"));
    EXPECT_FALSE(f.W3->visible());
    EXPECT_TRUE(f.bj->visible());
    EXPECT_EQ(browser(f.ListWeb).calls(), std::vector{platform::sim::BrowserCall::Refresh});
    EXPECT_EQ(sim.processes().terminations().size(), 2 * kExternalPlayers.size());
}

// Each request fills the fields it has and keeps the previous request's for
// the others; while the player program runs, a request only ends it.
TEST_F(Form1CommandsTest, NewWindowsOfTheApplicationPaneStartOrEndThePlayerProgram) {
    const std::filesystem::path program = appDir() / "app" / "fluvaneapp";
    sim.processes().setSpawns(program, "fluvaneapp");
    Form1Design& f = load();
    struct Request {
        std::string url;
        std::string started;  // "" when the request only ends the program
    };
    const std::vector<Request> requests{
        {"http://portal.test/app/1#甲###b###c", "甲###b###c###http://portal.test/app/1#甲###b###c###"},
        {"http://portal.test/app/2#x###y###z", ""},
        {"http://portal.test/app/3#d", "d###y###z###http://portal.test/app/3#d###"},
        {"http://portal.test/app/4", ""},
        {"http://portal.test/app/5", "http://portal.test/app/5###y###z###http://portal.test/app/5###"}};
    for (const Request& r : requests) {
        const std::size_t starts = sim.processes().starts().size();
        EXPECT_TRUE(browser(f.W2).raiseNewWindow(r.url)) << "no window opens: " << r.url;
        if (r.started.empty()) {
            EXPECT_EQ(sim.processes().starts().size(), starts) << r.url;
            EXPECT_EQ(sim.processes().terminations().back(), "fluvaneapp.exe") << r.url;
            continue;
        }
        ASSERT_EQ(sim.processes().starts().size(), starts + 1) << r.url;
        const auto& start = sim.processes().starts().back();
        EXPECT_EQ(start.program, program);
        EXPECT_EQ(start.arguments, Calls{r.started});
        EXPECT_EQ(start.style, platform::WindowStyle::NormalFocus);
    }
    EXPECT_TRUE(windows.calls.empty());

    // A frame of another site in the application page starts nothing.
    sim.processes().terminateByImageName("fluvaneapp");
    const std::size_t starts = sim.processes().starts().size();
    EXPECT_TRUE(browser(f.W2).raiseNewWindow("http://ads.test/app/7#a###b###c", {"http://ads.test"}));
    EXPECT_EQ(sim.processes().starts().size(), starts);

    sim.processes().setFailsToStart(program);
    browser(f.W2).raiseNewWindow("http://portal.test/app/6");
    EXPECT_EQ(windows.calls, Calls{"tip 播放程序无法启动，请重新安装本软件"});
}

// A video in a pane of the main window may take the whole screen.
TEST_F(Form1CommandsTest, ThePanesShowNoScriptErrorDialogsAndTheirVideosMayTakeTheScreen) {
    Form1Design& f = load();
    for (platform::BrowserPane* pane : {f.ListWeb, f.W2, f.W3, f.qvod, f.tj}) {
        EXPECT_EQ(browser(pane).fullScreenAllowed(), pane != f.tj);
        pane->setSilent(false);
        browser(pane).raiseDownloadBegin();
        EXPECT_TRUE(pane->silent());
    }
}

// The shortcut starts this program on the page, under the title the page
// gave, or under the page's own title or the window's when it gave none.
TEST_F(Form1CommandsTest, ADesktopShortcutReopensThePageUnderItsTitle) {
    struct Case {
        std::string url;
        std::string pageTitle;
        std::string title;
        std::string argument;
    };
    const std::vector<Case> cases{
        {"dddisk://神探 第2集@@@/tcab/show/?id=7", "", "神探 第2集", "神探 第2集#@@http://portal.test/tcab/show/?id=7"},
        {"DDDISK://@@@/tcab/a/@@@ignored", "星河渡口", "星河渡口", "星河渡口#@@http://portal.test/tcab/a/"},
        {"dddisk:// @@@/tcab/b/", "", "澜映影视", "澜映影视#@@http://portal.test/tcab/b/"},
        {"dddisk://a#@@http://evil.test/@@@/tcab/c/", "", "a#@@http://evil.test/",
         "a# @@http://evil.test/#@@http://portal.test/tcab/c/"}};
    for (const Case& c : cases) {
        Form1Design& f = load();
        browser(f.ListWeb).setDocument({c.pageTitle, {}});
        windows.calls.clear();
        EXPECT_TRUE(browser(f.ListWeb).raiseBeforeNavigate(c.url)) << c.url;
        EXPECT_EQ(windows.calls, Calls{kMade}) << c.url;
        ASSERT_FALSE(sim.shell().shortcuts().empty());
        const platform::Shortcut& made = sim.shell().shortcuts().back();
        EXPECT_EQ(made.title, c.title) << c.url;
        EXPECT_EQ(decodedArgument(made), c.argument) << c.url;
        EXPECT_EQ(made.target, sim.application().executable());
        EXPECT_EQ(made.description, "澜映影视");
        EXPECT_EQ(made.icon, appDir() / "zelskin" / "icon.png");
    }
}

TEST_F(Form1CommandsTest, AShortcutThatCannotBeMadeSaysSo) {
    Form1Design& f = load();
    EXPECT_TRUE(browser(f.ListWeb).raiseBeforeNavigate("dddisk://没有路径"));
    EXPECT_TRUE(sim.shell().shortcuts().empty());
    sim.shell().setSucceeds(false);
    EXPECT_TRUE(browser(f.ListWeb).raiseBeforeNavigate("dddisk://片名@@@/tcab/"));
    EXPECT_EQ(windows.calls, (Calls{kFailed, kFailed}));
}

// Whatever the title, the shortcut is one file in the desktop folder and
// nothing is written anywhere else; without a desktop folder none is made.
TEST_F(Form1CommandsTest, HostileTitlesMakeOneFileInTheDesktopFolder) {
    platform::posix::PosixShell shell;
    platform::Platform withRealShell{
        platform.ui,    platform.profile,     platform.codePage,        platform.network,   platform.processes, shell,
        platform.files, platform.application, platform.instanceChannel, platform.portalUrl, platform.checkUrl};
    const auto everything = [&] {
        std::set<std::filesystem::path> found;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.root())) found.insert(entry.path());
        return found;
    };
    Form1 f(withRealShell, windows);
    f.Form_Load();
    EXPECT_TRUE(browser(controlsOf(f).ListWeb).raiseBeforeNavigate("dddisk://片名@@@/tcab/"));
    EXPECT_EQ(windows.calls, Calls{kFailed});

    std::filesystem::create_directories(dir.desktop());
    for (const std::string title : {"../../逃出", "a/b\\c", ".hidden", "tab\there", "$(touch x)", "'\"`;|&"}) {
        windows.calls.clear();
        const auto before = everything();
        EXPECT_TRUE(browser(controlsOf(f).ListWeb).raiseBeforeNavigate("dddisk://" + title + "@@@/tcab/"));
        EXPECT_EQ(windows.calls, Calls{kMade}) << title;
        std::vector<std::filesystem::path> added;
        for (const auto& path : everything())
            if (!before.contains(path)) added.push_back(path);
        ASSERT_EQ(added.size(), 1u) << title;
        EXPECT_EQ(added.front().parent_path(), dir.desktop()) << title;
        std::filesystem::remove(added.front());
    }
}

}  // namespace
}  // namespace fluvane::mainwindow

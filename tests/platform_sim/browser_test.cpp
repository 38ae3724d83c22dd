#include "sim_fixture.h"

#include <string>
#include <vector>

namespace fluvane::platform::sim::testing {
namespace {

class BrowserTest : public SimTest {
protected:
    BrowserTest() : form(ui().createForm()), pane(form->addBrowser()) {
        pane.browserEvents.downloadBegin = [this] { log.push_back("begin"); };
        pane.browserEvents.downloadComplete = [this] {
            const auto document = pane.document();
            log.push_back("complete " + (document ? document->title : std::string("-")));
        };
        pane.browserEvents.beforeNavigate2 = [this](const std::string& url,
                                                    const platform::NavigationSource& source, bool& cancel) {
            log.push_back("before " + url);
            sources.push_back(source);
            cancel = url.find("flvplay://") != std::string::npos;
        };
    }

    std::unique_ptr<platform::Form> form;
    platform::BrowserPane& pane;
    std::vector<std::string> log;
    std::vector<platform::NavigationSource> sources;
};

TEST_F(BrowserTest, NavigationLoadsTheScriptedDocument) {
    const platform::Document page{"书库", {{"http://portal/play/1", "第一集"}}};
    ui().setDocumentForUrl("http://portal/tcab/", page);
    EXPECT_EQ(pane.document(), std::nullopt);
    pane.navigate("http://portal/tcab/");
    EXPECT_EQ(log, (std::vector<std::string>{"before http://portal/tcab/", "begin", "complete 书库"}));
    EXPECT_EQ(pane.locationUrl(), "http://portal/tcab/");
    EXPECT_EQ(pane.document(), page);
    pane.navigate("http://portal/other");
    EXPECT_EQ(pane.document(), platform::Document{}) << "an unscripted page loads empty";
}

TEST_F(BrowserTest, CancelledNavigationLoadsNothingButIsRecorded) {
    const platform::Document page{"书库", {}};
    ui().setDocumentForUrl("http://portal/tcab/", page);
    pane.navigate("http://portal/tcab/");
    log.clear();
    pane.navigate("FLVPLAY://x flvplay://y");
    EXPECT_EQ(log, (std::vector<std::string>{"before FLVPLAY://x flvplay://y"}));
    EXPECT_EQ(pane.locationUrl(), "http://portal/tcab/");
    EXPECT_EQ(pane.document(), page);
    EXPECT_EQ(as<SimBrowser>(pane).navigations(),
              (std::vector<std::string>{"http://portal/tcab/", "FLVPLAY://x flvplay://y"}));
}

TEST_F(BrowserTest, PageNavigationsReachTheHandlerWithWhoAskedWithoutBeingCalls) {
    auto& simPane = as<SimBrowser>(pane);
    EXPECT_TRUE(simPane.raiseBeforeNavigate("flvplay://movie"));
    const platform::NavigationSource advertisement{"http://ads.example"};
    EXPECT_FALSE(simPane.raiseBeforeNavigate("http://portal/next", advertisement));
    EXPECT_EQ(pane.locationUrl(), "http://portal/next");
    EXPECT_EQ(sources, (std::vector<platform::NavigationSource>{{}, advertisement}));
    EXPECT_TRUE(simPane.navigations().empty());
}

TEST_F(BrowserTest, CommandUrlsNeverLoadEvenWhenNotCancelled) {
    pane.navigate("http://portal/tcab/");
    log.clear();
    pane.navigate("DDDISK://星河渡口@@@/tcab/");
    EXPECT_EQ(log, (std::vector<std::string>{"before DDDISK://星河渡口@@@/tcab/"}));
    EXPECT_EQ(pane.locationUrl(), "http://portal/tcab/");
}

TEST_F(BrowserTest, OnlyWebPagesLocalPagesAndCommandsAreNavigatedTo) {
    std::filesystem::create_directories(directory / "zelskin/html");
    std::filesystem::create_directories(directory.parent_path() / (directory.filename().string() + "-outside"));
    const std::string page = (directory / "zelskin/html/gbook.html").string();
    const std::string outside = directory.string() + "-outside/page.html";
    pane.navigate("file://" + page);
    pane.navigate(page);
    auto& simPane = as<SimBrowser>(pane);
    const std::vector<std::string> refused{"javascript:alert(1)", "data:text/html,x", "about:blank",
                                           "blob:http://portal/1", "file://" + outside,
                                           "file://" + directory.string() + "/zelskin/%2e%2e/%2e%2e/x",
                                           "ftp://portal/"};
    for (const std::string& url : refused) pane.navigate(url);
    EXPECT_FALSE(simPane.raiseBeforeNavigate("javascript:alert(1)"));
    EXPECT_EQ(log, (std::vector<std::string>{"before file://" + page, "begin", "complete ", "before " + page,
                                             "begin", "complete "}));
    EXPECT_EQ(pane.locationUrl(), page);
    std::vector<std::string> expected = refused;
    expected.push_back("javascript:alert(1)");
    EXPECT_EQ(simPane.refused(), expected);
    std::filesystem::remove_all(directory.string() + "-outside");
}

TEST_F(BrowserTest, HandlerMayRedirectFromInsideBeforeNavigate) {
    pane.browserEvents.beforeNavigate2 = [this](const std::string& url, const platform::NavigationSource&,
                                                bool& cancel) {
        log.push_back("before " + url);
        if (url == "http://old/") {
            cancel = true;
            pane.navigate("http://new/");
        }
    };
    pane.navigate("http://old/");
    EXPECT_EQ(pane.locationUrl(), "http://new/");
    EXPECT_EQ(log, (std::vector<std::string>{"before http://old/", "before http://new/", "begin", "complete "}));
}

TEST_F(BrowserTest, NewWindowEventsReportTheHandlersAnswer) {
    auto& simPane = as<SimBrowser>(pane);
    EXPECT_FALSE(simPane.raiseNewWindow("http://x/"));
    EXPECT_FALSE(simPane.raiseNewWindow2());
    std::string seen;
    pane.browserEvents.newWindow = [&](const std::string& url, const platform::NavigationSource&, bool& processed) {
        seen = url;
        processed = true;
    };
    pane.browserEvents.newWindow2 = [](bool& cancel) { cancel = true; };
    EXPECT_TRUE(simPane.raiseNewWindow("http://x/"));
    EXPECT_EQ(seen, "http://x/");
    EXPECT_TRUE(simPane.raiseNewWindow2());
}

TEST_F(BrowserTest, AGesturesWindowTheLogicLeavesAloneOpensInTheUsersBrowser) {
    auto& simPane = as<SimBrowser>(pane);
    std::vector<std::string> events;
    bool cancel = false, process = false;
    pane.browserEvents.newWindow2 = [&](bool& cancelled) {
        events.push_back("NewWindow2");
        cancelled = cancel;
    };
    pane.browserEvents.newWindow = [&](const std::string& url, const platform::NavigationSource&, bool& processed) {
        events.push_back(url);
        processed = process;
    };
    for (int i = 0; i < 25; ++i) simPane.requestNewWindow("http://ads/" + std::to_string(i), false);
    EXPECT_TRUE(events.empty());
    simPane.requestNewWindow("http://portal/news.html");
    simPane.requestNewWindow("javascript:alert(1)");
    simPane.requestNewWindow("flvplay://x");
    EXPECT_EQ(events, (std::vector<std::string>{"NewWindow2", "http://portal/news.html", "NewWindow2",
                                                "javascript:alert(1)", "NewWindow2", "flvplay://x"}));
    process = true;
    simPane.requestNewWindow("http://portal/processed");
    process = false;
    cancel = true;
    simPane.requestNewWindow("http://portal/cancelled");
    EXPECT_EQ(sim->shell().openedLinks(), std::vector<std::string>{"http://portal/news.html"});
}

}  // namespace
}  // namespace fluvane::platform::sim::testing

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
        pane.browserEvents.beforeNavigate2 = [this](const std::string& url, const platform::NavigationSource& source,
                                                    bool& cancel) {
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

// What every pane does with a navigation is pinned by the contract suite; the
// simulated one also records what it was asked and refused.
TEST_F(BrowserTest, RecordsEveryNavigationAndRefusalAndLoadsUnscriptedPagesEmpty) {
    ui().setDocumentForUrl("http://portal/tcab/", {"书库", {}});
    pane.navigate("http://portal/tcab/");
    pane.navigate("FLVPLAY://x flvplay://y");
    pane.navigate("javascript:alert(1)");
    auto& simPane = as<SimBrowser>(pane);
    EXPECT_FALSE(simPane.raiseBeforeNavigate("about:blank"));
    EXPECT_EQ(log, (std::vector<std::string>{"before http://portal/tcab/", "begin", "complete 书库",
                                             "before FLVPLAY://x flvplay://y"}));
    EXPECT_EQ(simPane.navigations(),
              (std::vector<std::string>{"http://portal/tcab/", "FLVPLAY://x flvplay://y", "javascript:alert(1)"}));
    EXPECT_EQ(simPane.refused(), (std::vector<std::string>{"javascript:alert(1)", "about:blank"}));
    pane.navigate("http://portal/other");
    EXPECT_EQ(pane.document(), platform::Document{});
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

// The contract suite loads local pages by their file URL; a bare path is one too.
TEST_F(BrowserTest, ABarePathOfALocalPageLoadsAsItsFileUrlWould) {
    std::filesystem::create_directories(directory / "zelskin/html");
    const std::string page = (directory / "zelskin/html/gbook.html").string();
    pane.navigate(page);
    EXPECT_EQ(log, (std::vector<std::string>{"before " + page, "begin", "complete "}));
    EXPECT_EQ(pane.locationUrl(), page);
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

// The contract suite pins what becomes of a gesture's window for a web page.
TEST_F(BrowserTest, WindowsWithoutAGestureOrOfNoWebPageNeverOpen) {
    auto& simPane = as<SimBrowser>(pane);
    std::vector<std::string> events;
    pane.browserEvents.newWindow2 = [&](bool&) { events.push_back("NewWindow2"); };
    pane.browserEvents.newWindow = [&](const std::string& url, const platform::NavigationSource&, bool&) {
        events.push_back(url);
    };
    for (int i = 0; i < 25; ++i) simPane.requestNewWindow("http://ads/" + std::to_string(i), false);
    EXPECT_TRUE(events.empty());
    simPane.requestNewWindow("javascript:alert(1)");
    simPane.requestNewWindow("flvplay://x");
    EXPECT_EQ(events, (std::vector<std::string>{"NewWindow2", "javascript:alert(1)", "NewWindow2", "flvplay://x"}));
    EXPECT_TRUE(sim->shell().openedLinks().empty());
}

}  // namespace
}  // namespace fluvane::platform::sim::testing

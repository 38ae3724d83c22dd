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
        pane.browserEvents.beforeNavigate2 = [this](const std::string& url, bool& cancel) {
            log.push_back("before " + url);
            cancel = url.find("flvplay://") != std::string::npos;
        };
    }

    std::unique_ptr<platform::Form> form;
    platform::BrowserPane& pane;
    std::vector<std::string> log;
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

TEST_F(BrowserTest, PageNavigationsReachTheHandlerWithoutBeingCalls) {
    auto& simPane = as<SimBrowser>(pane);
    EXPECT_TRUE(simPane.raiseBeforeNavigate("flvplay://movie"));
    EXPECT_FALSE(simPane.raiseBeforeNavigate("http://portal/next"));
    EXPECT_EQ(pane.locationUrl(), "http://portal/next");
    EXPECT_TRUE(simPane.navigations().empty());
}

TEST_F(BrowserTest, HandlerMayRedirectFromInsideBeforeNavigate) {
    pane.browserEvents.beforeNavigate2 = [this](const std::string& url, bool& cancel) {
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
    pane.browserEvents.newWindow = [&](const std::string& url, bool& processed) {
        seen = url;
        processed = true;
    };
    pane.browserEvents.newWindow2 = [](bool& cancel) { cancel = true; };
    EXPECT_TRUE(simPane.raiseNewWindow("http://x/"));
    EXPECT_EQ(seen, "http://x/");
    EXPECT_TRUE(simPane.raiseNewWindow2());
}

}  // namespace
}  // namespace fluvane::platform::sim::testing

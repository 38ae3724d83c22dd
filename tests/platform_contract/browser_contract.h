#pragma once

#include "contract_fixture.h"

#include "platform/browser.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fluvane::platform::contract {

// A browser pane filling a shown form, its events logged in the order they
// come. Besides the common ones, a browser driver offers:
//   serve(path, document)         a page of the portal with that title and links
//   pageUrl(path), origin()       where the portal serves it, and its origin
//   localPage(name, document)     a page the client ships; its file:// URL
//   applicationDirectory()        the folder of the shipped pages
//   waitFor(condition)            events run until it holds; false if it never does
//   followLink(pane, url)         the page on show navigates by itself
//   windowPage()                  a served page from which the user can ask for windows
//   clickForWindow(pane, url)     the user's click on it asks for a window of `url`
//   roundTrip(pane)               what the page has sent so far has arrived
//   openedLinks()                 what the user's browser was asked to open
template <class Driver>
class BrowserContract : public PlatformContract<Driver> {
protected:
    BrowserContract() : pane(this->form->addBrowser()) {
        pane.setGeometry(Rect::fromSize(0, 0, 300, 200));
        this->driver.show(*this->form, Rect::fromSize(0, 0, 300, 200));
        pane.setSilent(true);
        pane.browserEvents.downloadBegin = [this] { log.push_back("begin"); };
        pane.browserEvents.downloadComplete = [this] {
            ++completed;
            log.push_back("complete " + pane.document().value_or(Document{"-", {}}).title);
        };
        pane.browserEvents.beforeNavigate2 = [this](const std::string& url, const NavigationSource& source,
                                                    bool& cancel) {
            log.push_back("before " + url);
            sources.push_back(source);
            cancel = cancelled(url);
        };
    }
    ~BrowserContract() override { pane.browserEvents = {}; }

    // Navigates and waits for the page to complete.
    void load(const std::string& url) {
        const int before = completed;
        pane.navigate(url);
        ASSERT_TRUE(this->driver.waitFor([&] { return completed > before; })) << url;
    }

    BrowserPane& pane;
    std::vector<std::string> log;
    std::vector<NavigationSource> sources;
    std::function<bool(const std::string& url)> cancelled = [](const std::string& url) {
        return url.find("flvplay://") != std::string::npos;
    };
    int completed = 0;
};

TYPED_TEST_SUITE_P(BrowserContract);

TYPED_TEST_P(BrowserContract, NavigatingToAServedPageRaisesItsEventsAndGivesItsLocationAndDocument) {
    auto& driver = this->driver;
    const Document page{"书库", {{driver.pageUrl("/play/1.html"), "第一集"}, {driver.pageUrl("/tv/"), "电视剧"}}};
    driver.serve("/tcab/index.html", page);
    EXPECT_EQ(this->pane.document(), std::nullopt) << "nothing has loaded yet";
    const std::string url = driver.pageUrl("/tcab/index.html");
    this->load(url);
    EXPECT_EQ(this->log, (std::vector<std::string>{"before " + url, "begin", "complete 书库"}));
    EXPECT_EQ(this->sources, std::vector<NavigationSource>{{}}) << "the client asked";
    EXPECT_EQ(this->pane.locationUrl(), url);
    EXPECT_EQ(this->pane.document(), page);
}

// A command URL is for the client: it reaches the handler like any other
// navigation and never loads, cancelled or not.
TYPED_TEST_P(BrowserContract, CancelledNavigationsAndCommandsStayOnThePage) {
    auto& driver = this->driver;
    const Document page{"书库", {}};
    driver.serve("/tcab/index.html", page);
    const std::string url = driver.pageUrl("/tcab/index.html");
    this->load(url);
    this->sources.clear();
    const struct {
        bool byThePage;
        std::string url;
    } cases[] = {
        {true, "flvplay:///tcab/play/?s=xinghe&ep=1"},
        {false, "flvplay://x"},
        {true, "dddisk://星河渡口@@@/tcab/"},
        {false, "dddisk://星河渡口@@@/tcab/"},
        {true, driver.pageUrl("/tcab/news.html?next=flvplay://x")},
    };
    std::vector<NavigationSource> expectedSources;
    for (const auto& c : cases) {
        this->log.clear();
        if (c.byThePage) {
            driver.followLink(this->pane, c.url);
        } else {
            this->pane.navigate(c.url);
        }
        expectedSources.push_back(c.byThePage ? NavigationSource{driver.origin()} : NavigationSource{});
        ASSERT_TRUE(driver.waitFor([&] { return !this->log.empty(); })) << c.url;
        driver.roundTrip(this->pane);
        EXPECT_EQ(this->log, std::vector<std::string>{"before " + c.url});
        EXPECT_EQ(this->pane.locationUrl(), url) << c.url;
        EXPECT_EQ(this->pane.document(), page) << c.url;
    }
    EXPECT_EQ(this->sources, expectedSources);
}

TYPED_TEST_P(BrowserContract, RefusedNavigationsDoNothing) {
    auto& driver = this->driver;
    const std::filesystem::path app = driver.applicationDirectory();
    const std::filesystem::path outside = app.parent_path() / (app.filename().string() + "-outside");
    std::filesystem::create_directories(outside);
    std::ofstream(outside / "page.html") << "<title>outside</title>";
    std::filesystem::create_directories(app / "zelskin/html");
    std::filesystem::create_symlink(outside / "page.html", app / "zelskin/html/escape.html");
    const std::string local = driver.localPage("gbook.html", {"留言", {}});
    const std::string refused[] = {
        "javascript:void(document.title='script ran')",
        "data:text/html,<title>data</title>",
        "about:blank",
        "blob:" + driver.pageUrl("/1"),
        "ftp://127.0.0.1/",
        "file://" + (outside / "page.html").string(),
        "file://" + app.string() + "/zelskin/../../" + outside.filename().string() + "/page.html",
        "file://" + app.string() + "/zelskin/%2e%2e/%2E%2E/" + outside.filename().string() + "/page.html",
        "file://" + app.string() + "/zelskin/html/escape.html",
    };
    for (const std::string& url : refused) this->pane.navigate(url);
    this->load(local);
    EXPECT_EQ(this->log, (std::vector<std::string>{"before " + local, "begin", "complete 留言"}))
        << "nothing came before the local page";
    EXPECT_EQ(this->pane.locationUrl(), local);
    std::filesystem::remove_all(outside);
}

TYPED_TEST_P(BrowserContract, AHandlerMayRedirectFromInsideBeforeNavigate2) {
    auto& driver = this->driver;
    driver.serve("/new.html", {"new", {}});
    const std::string old = driver.pageUrl("/old.html"), next = driver.pageUrl("/new.html");
    this->cancelled = [&](const std::string& url) {
        if (url != old) return false;
        this->pane.navigate(next);
        return true;
    };
    this->load(old);
    EXPECT_EQ(this->log, (std::vector<std::string>{"before " + old, "before " + next, "begin", "complete new"}));
    EXPECT_EQ(this->pane.locationUrl(), next);
}

// Pop-ups of advertisements come without a gesture and never open.
TYPED_TEST_P(BrowserContract, AGesturesWindowTheLogicLeavesAloneOpensInTheUsersBrowserOnce) {
    auto& driver = this->driver;
    auto& pane = this->pane;
    this->load(driver.windowPage());
    std::vector<std::string> events;
    bool cancel = false, process = false;
    pane.browserEvents.newWindow2 = [&](bool& cancelled) {
        events.push_back("NewWindow2");
        cancelled = cancel;
    };
    pane.browserEvents.newWindow = [&](const std::string& url, const NavigationSource&, bool& processed) {
        events.push_back(url);
        processed = process;
    };
    const struct {
        bool cancel, process;
        std::string url;
        std::vector<std::string> events;
    } cases[] = {
        {false, false, driver.pageUrl("/news.html"), {"NewWindow2", driver.pageUrl("/news.html")}},
        {false, true, driver.pageUrl("/processed.html"), {"NewWindow2", driver.pageUrl("/processed.html")}},
        {true, false, driver.pageUrl("/cancelled.html"), {"NewWindow2"}},
    };
    for (const auto& c : cases) {
        events.clear();
        cancel = c.cancel;
        process = c.process;
        driver.clickForWindow(pane, c.url);
        ASSERT_TRUE(driver.waitFor([&] { return events.size() >= c.events.size(); })) << c.url;
        driver.roundTrip(pane);
        EXPECT_EQ(events, c.events);
    }
    EXPECT_EQ(driver.openedLinks(), std::vector<std::string>{driver.pageUrl("/news.html")});
}

REGISTER_TYPED_TEST_SUITE_P(BrowserContract, NavigatingToAServedPageRaisesItsEventsAndGivesItsLocationAndDocument,
                            CancelledNavigationsAndCommandsStayOnThePage, RefusedNavigationsDoNothing,
                            AHandlerMayRedirectFromInsideBeforeNavigate2,
                            AGesturesWindowTheLogicLeavesAloneOpensInTheUsersBrowserOnce);

}  // namespace fluvane::platform::contract

// The browser pane against the demo portal, on a real X display (Xvfb).
#include "platform/qt/qt_browser.h"
#include "platform/qt/qt_form.h"
#include "platform/qt/qt_ui.h"
#include "qt_test_application.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTcpServer>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace fluvane::platform::qt {
namespace {

using namespace platform;

constexpr int kPatience = 30000;  // ms; the engine starts slowly on a loaded machine

bool validUtf8(const std::string& text) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    (void)decoder.decode(QByteArray::fromStdString(text));
    return !decoder.hasError();
}

// The demo portal on a free port, ended by its process id when the tests end.
class Portal {
public:
    Portal() {
        process_.setProgram(QStringLiteral(FLUVANE_PORTAL_BINARY));
        process_.setArguments({"--port", "0", "--root", QStringLiteral(FLUVANE_PORTAL_SITE), "--test-routes"});
        process_.start();
        const QRegularExpression listening(QStringLiteral("listening on ([0-9.]+):([0-9]+)"));
        QByteArray output;
        while (process_.waitForReadyRead(kPatience)) {
            output += process_.readAllStandardOutput();
            const auto match = listening.match(QString::fromUtf8(output));
            if (match.hasMatch()) {
                base_ = "http://" + match.captured(1).toStdString() + ":" + match.captured(2).toStdString();
                break;
            }
        }
    }
    ~Portal() {
        process_.kill();
        process_.waitForFinished();
    }
    const std::string& base() const { return base_; }

private:
    QProcess process_;
    std::string base_;
};

class BrowserPaneTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        testing::testApplication("xcb");
        portal = new Portal;
        ui = new QtUi({"flvplay", "tudouplay", "qiyiplay", "youkuplay", "dddisk", "gbook", "colse",
                       "close", "appplay", "appopen", "appclose"});
        form = ui->createForm().release();
        form->setGeometry(Rect::fromSize(0, 0, 900, 700));
        pane = &form->addBrowser();
        pane->setGeometry(Rect::fromSize(0, 0, 900, 700));
        form->show();
    }
    static void TearDownTestSuite() {
        delete form;
        delete ui;
        delete portal;
    }

    void SetUp() override {
        ASSERT_FALSE(portal->base().empty()) << "the demo portal did not start";
        pane->browserEvents = {};
        pane->browserEvents.downloadComplete = [this] { ++completed; };
        pane->setSilent(true);
    }

    QWebEnginePage& page() const {
        return *static_cast<QWebEngineView*>(static_cast<QtBrowserPane*>(pane)->widget())->page();
    }

    // Loads and waits until the pane reports the load complete.
    void load(const std::string& url) {
        const int before = completed;
        pane->navigate(url);
        ASSERT_TRUE(QTest::qWaitFor([&] { return completed > before; }, kPatience)) << url;
    }

    // Runs script in the page and waits for its result.
    QVariant run(const QString& script) {
        QVariant result;
        bool done = false;
        page().runJavaScript(script, [&](const QVariant& value) {
            result = value;
            done = true;
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, kPatience));
        return result;
    }

    static inline Portal* portal = nullptr;
    static inline QtUi* ui = nullptr;
    static inline Form* form = nullptr;
    static inline BrowserPane* pane = nullptr;
    int completed = 0;
};

struct ExpectedLink {
    std::string href;
    std::string text;
};

// The page's links as its HTML file states them, resolved against the portal.
std::vector<ExpectedLink> linksOfFile(const QString& file, const std::string& base, std::string& title) {
    QFile html(file);
    EXPECT_TRUE(html.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(html.readAll());
    title = QRegularExpression(QStringLiteral("<title>(.*?)</title>")).match(text).captured(1).toStdString();
    std::vector<ExpectedLink> links;
    const QRegularExpression anchor(QStringLiteral(R"re(<a\b([^>]*)>(.*?)</a>)re"),
                                    QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpression target(QStringLiteral(R"re(\bhref="([^"]*)")re"));
    for (auto it = anchor.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        QString href = target.match(match.captured(1)).captured(1);
        std::string resolved = href.replace(QStringLiteral("&amp;"), QStringLiteral("&")).toStdString();
        if (resolved.starts_with("/")) resolved = base + resolved;
        // Text inside other elements is laid out by the engine: only plain text is compared.
        const QString inner = match.captured(2);
        links.push_back({resolved, inner.contains(u'<') ? std::string() : inner.trimmed().toStdString()});
    }
    return links;
}

TEST_F(BrowserPaneTest, SnapshotHoldsTheTitleAndLinksInDocumentOrder) {
    load(portal->base() + "/tcab/");
    std::string title;
    const auto expected =
        linksOfFile(QStringLiteral(FLUVANE_PORTAL_SITE "/tcab/index.html"), portal->base(), title);
    ASSERT_GT(expected.size(), 10u);
    const std::optional<Document> document = pane->document();
    ASSERT_TRUE(document);
    EXPECT_EQ(document->title, title);
    ASSERT_EQ(document->links.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(document->links[i].href, expected[i].href) << i;
        if (!expected[i].text.empty()) {
            EXPECT_EQ(document->links[i].innerText, expected[i].text) << i;
        }
    }
    EXPECT_EQ(pane->locationUrl(), portal->base() + "/tcab/");
}

TEST_F(BrowserPaneTest, CancelledCommandLinkRaisesBeforeNavigateAndStaysOnThePage) {
    load(portal->base() + "/tcab/");
    const Document before = *pane->document();
    std::vector<std::string> asked;
    pane->browserEvents.beforeNavigate2 = [&](const std::string& url, bool& cancel) {
        asked.push_back(url);
        cancel = url.find("flvplay://") != std::string::npos;
    };
    int begun = 0;
    pane->browserEvents.downloadBegin = [&] { ++begun; };
    run(QStringLiteral("document.querySelector('a[href^=\"flvplay:\"]').click()"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !asked.empty(); }, kPatience));
    EXPECT_EQ(asked.front(), "flvplay:///tcab/play/?s=xinghe&ep=1");

    // The page is still there and still answers.
    EXPECT_EQ(run(QStringLiteral("location.pathname")).toString(), QStringLiteral("/tcab/"));
    EXPECT_EQ(pane->locationUrl(), portal->base() + "/tcab/");
    EXPECT_EQ(pane->document(), before);
    EXPECT_EQ(begun, 0);

    // The shortcut command keeps its text readable.
    asked.clear();
    run(QStringLiteral("document.querySelector('a[href^=\"dddisk:\"]').click()"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !asked.empty(); }, kPatience));
    EXPECT_EQ(asked.front(), "dddisk://星河渡口@@@/tcab/");
}

int visibleBrowserWindows(QWidget* except) {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        count += widget != except && widget->isVisible() && qobject_cast<QWebEngineView*>(widget);
    }
    return count;
}

TEST_F(BrowserPaneTest, NewWindowEventCarriesTheTargetAndProcessedStopsTheWindow) {
    load(portal->base() + "/tcab/");
    std::vector<std::string> events;
    bool process = true;
    pane->browserEvents.newWindow2 = [&](bool&) { events.push_back("NewWindow2"); };
    pane->browserEvents.newWindow = [&](const std::string& url, bool& processed) {
        events.push_back(url);
        processed = process;
    };
    const QString open = QStringLiteral("document.querySelector('a[target=\"_blank\"]').click()");
    run(open);
    ASSERT_TRUE(QTest::qWaitFor([&] { return events.size() >= 2; }, kPatience));
    EXPECT_EQ(events, (std::vector<std::string>{"NewWindow2", portal->base() + "/tcab/news.html"}));
    // A window opening now would be visible by the time the page answers again.
    run(QStringLiteral("1"));
    EXPECT_EQ(visibleBrowserWindows(nullptr), 0);

    process = false;
    events.clear();
    run(open);
    EXPECT_TRUE(QTest::qWaitFor([&] { return visibleBrowserWindows(nullptr) == 1; }, kPatience));
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<QWebEngineView*>(widget)) widget->close();
    }
}

// Watches for modal dialogs while a page runs its script, closing any it finds.
class DialogWatch {
public:
    DialogWatch() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                ++seen;
                dialog->close();
            }
        });
        timer_.start(10);
    }
    int seen = 0;

private:
    QTimer timer_;
};

TEST_F(BrowserPaneTest, SilentPaneShowsNoScriptDialog) {
    const std::string page =
        "data:text/html,<title>before</title><script>alert('x');confirm('y');"
        "document.title='after'</script>";
    {
        DialogWatch watch;
        pane->setSilent(true);
        load(page);
        ASSERT_TRUE(QTest::qWaitFor([&] { return pane->document()->title == "after"; }, kPatience));
        EXPECT_EQ(watch.seen, 0);
    }
    {
        DialogWatch watch;
        pane->setSilent(false);
        load(page);
        ASSERT_TRUE(QTest::qWaitFor([&] { return pane->document()->title == "after"; }, kPatience));
        EXPECT_EQ(watch.seen, 2);
    }
}

TEST_F(BrowserPaneTest, SnapshotFollowsLinksThePageAdds) {
    load(portal->base() + "/tcab/");
    const std::size_t before = pane->document()->links.size();
    run(QStringLiteral("var a = document.createElement('a'); a.href = '/tcab/tv/'; a.textContent = '新链接';"
                       "document.body.appendChild(a);"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return pane->document()->links.size() == before + 1; }, kPatience));
    EXPECT_EQ(pane->document()->links.back(), (DocumentLink{portal->base() + "/tcab/tv/", "新链接"}));
}

TEST_F(BrowserPaneTest, BadBytesInTitlesAndLinksGiveValidUtf8) {
    load("data:text/html;charset=utf-8,<title>a%FF%FEb%C0</title><a href='/x'>c%ED%A0%80d</a>");
    const Document bytes = *pane->document();
    EXPECT_TRUE(validUtf8(bytes.title)) << bytes.title;
    EXPECT_NE(bytes.title.find("a"), std::string::npos);
    ASSERT_EQ(bytes.links.size(), 1u);
    EXPECT_TRUE(validUtf8(bytes.links[0].innerText));

    // Unpaired surrogates can only come from script.
    run(QStringLiteral("document.title = 'x\\uD800y'; document.links[0].textContent = '\\uDC00';"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return pane->document()->title != bytes.title; }, kPatience));
    EXPECT_TRUE(validUtf8(pane->document()->title));
    EXPECT_TRUE(QTest::qWaitFor([&] { return pane->document()->links[0].innerText != bytes.links[0].innerText; }, kPatience));
    EXPECT_TRUE(validUtf8(pane->document()->links[0].innerText));
}

TEST_F(BrowserPaneTest, FaultyPortalAnswersLeaveThePaneSilent) {
    DialogWatch watch;
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const std::string nothing = "http://127.0.0.1:" + std::to_string(closed.serverPort()) + "/";
    closed.close();
    for (const std::string& url : {portal->base() + "/no/such/page", portal->base() + "/fault/500",
                                   portal->base() + "/fault/garbage", nothing}) {
        load(url);
        EXPECT_TRUE(pane->document()) << url;
    }
    int begun = 0;
    pane->browserEvents.downloadBegin = [&] { ++begun; };
    pane->navigate(portal->base() + "/fault/endless");
    ASSERT_TRUE(QTest::qWaitFor([&] { return begun > 0; }, kPatience));
    load(portal->base() + "/tcab/");
    EXPECT_EQ(pane->locationUrl(), portal->base() + "/tcab/");
    EXPECT_EQ(watch.seen, 0);
}

}  // namespace
}  // namespace fluvane::platform::qt

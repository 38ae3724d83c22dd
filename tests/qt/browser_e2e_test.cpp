// The browser pane against the demo portal and pages of the tests' own, on a
// real X display (Xvfb).
#include "mainwindow/command_url.h"
#include "platform/qt/qt_browser.h"
#include "platform/qt/qt_form.h"
#include "platform/qt/qt_process_setup.h"
#include "platform/qt/qt_ui.h"
#include "portal_process.h"
#include "qt_test_application.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScreen>
#include <QStringDecoder>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <csignal>

#include <map>
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

// A portal of the tests, started with their patience.
class Portal : public testing::PortalProcess {
public:
    explicit Portal(const QStringList& arguments)
        : PortalProcess(QStringLiteral(FLUVANE_PORTAL_BINARY), arguments, kPatience) {}
};

void writeFile(const QString& file, const QByteArray& content) {
    QDir().mkpath(QFileInfo(file).path());
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly)) << file.toStdString();
    out.write(content);
}

// The tests' own site, served by a portal of its own: pages whose frames,
// windows and bytes the demo portal does not have.
void writeSite(const QString& root) {
    writeFile(root + "/landing.html", "<title>landing</title>");
    writeFile(root + "/screen.html", R"html(<!DOCTYPE html><title>screen</title><body style="margin:0">
<button id="whole" style="width:300px;height:200px" onclick="document.body.requestFullscreen()">whole</button>
</body>)html");
    writeFile(root + "/frames.html", R"html(<!DOCTYPE html><title>frames</title><body><script>
for (const host of ['127.0.0.1', 'localhost']) {
  const frame = document.createElement('iframe');
  frame.src = location.protocol + '//' + host + ':' + location.port + '/frame.html?who=' + host;
  document.body.appendChild(frame);
}
</script></body>)html");
    writeFile(root + "/frame.html", R"html(<!DOCTYPE html><title>frame</title><script>
window.onload = function () {
  setTimeout(function () {
    location.href = 'dddisk://' + new URLSearchParams(location.search).get('who') + '@@@/tcab/';
  }, 0);
};
</script>)html");
    writeFile(root + "/popup.html", R"html(<!DOCTYPE html><title>popup</title>
<body style="margin:0">
<button id="open" style="width:300px;height:200px"
        onclick="for (var i = 0; i < 3; ++i) window.open('/landing.html?click=' + i)">open</button>
<script>for (var i = 0; i < 25; ++i) window.open('/landing.html?auto=' + i);
var frame = document.createElement('iframe');
frame.id = 'frame';
frame.src = location.protocol + '//localhost:' + location.port + '/popup-frame.html';
frame.style = 'display:block;border:0;width:300px;height:200px';
document.body.appendChild(frame);</script>
</body>)html");
    writeFile(root + "/popup-frame.html", R"html(<!DOCTYPE html><body style="margin:0">
<button style="width:300px;height:200px" onclick="window.open('/landing.html?frame')">open</button>
</body>)html");
    writeFile(root + "/silent.html",
              "<title>before</title><script>alert('x');confirm('y');document.title='after'</script>");
    writeFile(root + "/badbytes.html",
              "<meta charset=\"utf-8\"><title>a\xFF\xFE"
              "b\xC0</title><a href='/x'>c\xED\xA0\x80"
              "d</a>");
}

// The application directory with a local page, and a folder beside it whose
// files no pane may show or read.
void writeApplicationDirectory(const QString& app, const QString& outside, const std::string& marker) {
    writeFile(app + "/zelskin/Config.ini", "[form]\r\nform=True\r\n");
    QFile stopped(QStringLiteral(FLUVANE_SKIN_DIR "/zelskin/html/stopped.html"));
    ASSERT_TRUE(stopped.open(QIODevice::ReadOnly));
    writeFile(app + "/zelskin/html/stopped.html", stopped.readAll());
    writeFile(outside + "/secret.txt", "secret");
    writeFile(outside + "/outside.html",
              QByteArray::fromStdString("<title>outside</title><img src='" + marker + "outside'>"));
    const QString read = QStringLiteral(R"html(function read(url) {
  try {
    var request = new XMLHttpRequest();
    request.open('GET', url, false);
    request.send();
    return 'read';
  } catch (e) {
    return 'blocked';
  }
})html");
    writeFile(app + "/zelskin/html/local.html", (QStringLiteral("<!DOCTYPE html><title>local</title><script>") + read +
                                                 R"html(
window.onload = function () {
  document.title = 'secret ' + read(')html" + QUrl::fromLocalFile(outside + "/secret.txt").toString() +
                                                 R"html(') + ', settings ' + read('../Config.ini');
};
</script>)html")
                                                    .toUtf8());
}

class BrowserPaneTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        testing::testApplication("xcb");
        portal = new Portal({"--root", QStringLiteral(FLUVANE_PORTAL_SITE), "--test-routes"});
        folders = new QTemporaryDir;
        writeSite(folders->filePath("site"));
        fixture = new Portal({"--root", folders->filePath("site")});
        writeApplicationDirectory(folders->filePath("app"), folders->filePath("outside"), fixture->base() + "/marker/");
        shell = new testing::RecordingShell;
        ui = new QtUi(mainwindow::commandSchemeNames(), folders->filePath("app").toStdString(), *shell);
        form = ui->createForm().release();
        form->setGeometry(Rect::fromSize(0, 0, 900, 700));
        pane = &form->addBrowser();
        pane->setGeometry(Rect::fromSize(0, 0, 900, 700));
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(static_cast<QtForm*>(form)->widget()));
    }
    static void TearDownTestSuite() {
        delete form;
        delete ui;
        delete shell;
        delete fixture;
        delete folders;
        delete portal;
    }

    void SetUp() override {
        ASSERT_FALSE(portal->base().empty()) << "the demo portal did not start";
        ASSERT_FALSE(fixture->base().empty()) << "the tests' portal did not start";
        pane->browserEvents.downloadComplete = [this] { ++completed; };
        pane->setSilent(true);
    }
    // Handlers capture the test's locals; nothing may call them once it ends.
    void TearDown() override { pane->browserEvents = {}; }

    // The pane's engine view, there since its first navigation.
    QWebEngineView& view() const { return *static_cast<QtBrowserPane*>(pane)->widget()->findChild<QWebEngineView*>(); }
    QWebEnginePage& page() const { return *view().page(); }

    static std::string localPage() {
        return QUrl::fromLocalFile(folders->filePath("app/zelskin/html/local.html")).toString().toStdString();
    }

    // Loads and waits until the pane reports the load complete.
    void load(const std::string& url) {
        const int before = completed;
        pane->navigate(url);
        ASSERT_TRUE(QTest::qWaitFor([&] { return completed > before; }, kPatience)) << url;
    }

    // Runs script in the page and waits for its result. The result may come
    // after the wait has given up, so it goes to state the callback shares.
    QVariant run(const QString& script) {
        struct Outcome {
            QVariant value;
            bool done = false;
        };
        const auto outcome = std::make_shared<Outcome>();
        page().runJavaScript(script, [outcome](const QVariant& value) {
            outcome->value = value;
            outcome->done = true;
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return outcome->done; }, kPatience)) << script.toStdString();
        return outcome->value;
    }

    // A user's click at the middle of the page's element: a gesture.
    void click(const QString& selector) {
        const QVariantList middle =
            run("(function () { var r = document.querySelector('" + selector +
                "').getBoundingClientRect(); return [r.left + r.width / 2, r.top + r.height / 2]; })()")
                .toList();
        ASSERT_EQ(middle.size(), 2);
        QTest::mouseClick(view().focusProxy(), Qt::LeftButton, {}, QPoint(middle[0].toInt(), middle[1].toInt()));
    }

    static inline Portal* portal = nullptr;
    static inline Portal* fixture = nullptr;
    static inline QTemporaryDir* folders = nullptr;
    static inline testing::RecordingShell* shell = nullptr;
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
    const auto expected = linksOfFile(QStringLiteral(FLUVANE_PORTAL_SITE "/tcab/index.html"), portal->base(), title);
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

// Nothing here draws with OpenGL: the engine shows its pages with no
// graphics driver in the process, and the programs the client starts choose
// their own.
TEST_F(BrowserPaneTest, PagesShowWithoutAGraphicsDriverInTheProcess) {
    load(portal->base() + "/tcab/");
    QFile maps(QStringLiteral("/proc/self/maps"));
    ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
    const QByteArray mapped = maps.readAll();
    EXPECT_FALSE(mapped.contains("_dri.so")) << "a graphics driver is loaded";
    EXPECT_FALSE(mapped.contains("libGLX_mesa")) << "Mesa's GLX is loaded";
    completeDesktopSetup(*QCoreApplication::instance());
    EXPECT_FALSE(qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"));
}

// The pane's own refusals are the contract suite's; here pages and frames ask.
TEST_F(BrowserPaneTest, RefusedNavigationsOfPagesAndFramesDoNothingAndRunNoScript) {
    load(localPage());
    ASSERT_TRUE(QTest::qWaitFor([&] { return pane->document()->title.starts_with("secret"); }, kPatience));
    const Document local = *pane->document();
    const int completedBefore = completed;
    std::vector<std::string> asked;
    pane->browserEvents.beforeNavigate2 = [&](const std::string& url, const NavigationSource&, bool&) {
        asked.push_back(url);
    };
    const std::string marker = fixture->base() + "/marker/";
    const std::string outside = "file://" + folders->filePath("outside").toStdString() + "/outside.html";
    run(QString::fromStdString("location.href = \"data:text/html,<img src='" + marker + "page'>\""));
    run(QString::fromStdString("location.href = '" + outside + "'"));
    EXPECT_EQ(run(QStringLiteral("document.title")).toString().toStdString(), local.title);
    EXPECT_EQ(pane->locationUrl(), localPage());

    // A web page asks for a frame of script.
    const std::string after = fixture->base() + "/landing.html?after";
    load(after);
    run(
        QString::fromStdString("var f = document.createElement('iframe');"
                               "f.src = \"data:text/html,<img src='" +
                               marker +
                               "frame'>\";"
                               "document.body.appendChild(f);"));

    // Once a later load has come and gone, nothing else has.
    const std::string end = fixture->base() + "/landing.html?end";
    load(end);
    EXPECT_EQ(asked, (std::vector<std::string>{after, end}));
    EXPECT_EQ(completed, completedBefore + 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return fixture->answered("/landing.html?end"); }, kPatience));
    EXPECT_FALSE(fixture->answered("/marker/"));
}

TEST_F(BrowserPaneTest, LocalPagesReadNoFileNeitherTheUsersNorTheirOwnFolders) {
    load(localPage());
    ASSERT_TRUE(QTest::qWaitFor([&] { return pane->document()->title.starts_with("secret"); }, kPatience));
    EXPECT_EQ(pane->document()->title, "secret blocked, settings blocked");
}

// Whatever page is on top, only documents of the portal's origin command.
TEST_F(BrowserPaneTest, FramesAndPagesReportTheirOriginSoOnlyThePortalsCommand) {
    const std::string portalOrigin = fixture->base();  // `dizhi`
    const std::string otherOrigin = fixture->otherOrigin();
    for (const std::string& top : {portalOrigin, otherOrigin}) {
        std::map<std::string, NavigationSource> commands;
        pane->browserEvents.beforeNavigate2 = [&](const std::string& url, const NavigationSource& source, bool&) {
            if (url.starts_with("dddisk://")) commands[url] = source;
        };
        load(top + "/frames.html");
        run(QStringLiteral("location.href = 'dddisk://top@@@/tcab/'"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return commands.size() == 3; }, kPatience)) << top;
        const std::map<std::string, NavigationSource> expected{{"dddisk://127.0.0.1@@@/tcab/", {portalOrigin}},
                                                               {"dddisk://localhost@@@/tcab/", {otherOrigin}},
                                                               {"dddisk://top@@@/tcab/", {top}}};
        EXPECT_EQ(commands, expected) << top;
        for (const auto& [url, source] : commands) {
            EXPECT_EQ(mainwindow::isTrustedCommandSource(source, portalOrigin), source.origin == portalOrigin) << url;
        }
        EXPECT_EQ(pane->locationUrl(), top + "/frames.html");
    }
}

int visibleBrowserWindows() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        count += widget->isVisible() && qobject_cast<QWebEngineView*>(widget);
    }
    return count;
}

// What becomes of a gesture's window is the contract suite's; here the page
// also asks for windows by itself, and a frame of another site asks.
TEST_F(BrowserPaneTest, AWindowIsAskedForInTheNameOfTheDocumentThatAskedAndNeverOpensInTheClient) {
    std::vector<std::string> events;
    pane->browserEvents.newWindow2 = [&](bool&) { events.push_back("NewWindow2"); };
    std::vector<NavigationSource> sources;
    pane->browserEvents.newWindow = [&](const std::string& url, const NavigationSource& source, bool& processed) {
        events.push_back(url);
        sources.push_back(source);
        processed = true;
    };
    shell->openedLinks.clear();
    load(fixture->base() + "/popup.html");  // asks for 25 windows by itself

    click(QStringLiteral("#open"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return events.size() >= 2; }, kPatience));
    run(QStringLiteral("1"));
    EXPECT_EQ(events, (std::vector<std::string>{"NewWindow2", fixture->base() + "/landing.html?click=0"}));
    EXPECT_EQ(sources, (std::vector<NavigationSource>{{fixture->base()}}));
    EXPECT_TRUE(shell->openedLinks.empty());
    EXPECT_EQ(visibleBrowserWindows(), 0);

    events.clear();
    sources.clear();
    click(QStringLiteral("#frame"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return events.size() >= 2; }, kPatience));
    EXPECT_EQ(events, (std::vector<std::string>{"NewWindow2", fixture->otherOrigin() + "/landing.html?frame"}));
    EXPECT_EQ(sources, (std::vector<NavigationSource>{{fixture->otherOrigin()}}));
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
    const std::string page = fixture->base() + "/silent.html";
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
    run(
        QStringLiteral("var a = document.createElement('a'); a.href = '/tcab/tv/'; a.textContent = '新链接';"
                       "document.body.appendChild(a);"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return pane->document()->links.size() == before + 1; }, kPatience));
    EXPECT_EQ(pane->document()->links.back(), (DocumentLink{portal->base() + "/tcab/tv/", "新链接"}));
}

TEST_F(BrowserPaneTest, BadBytesInTitlesAndLinksGiveValidUtf8) {
    load(fixture->base() + "/badbytes.html");
    const Document bytes = *pane->document();
    EXPECT_TRUE(validUtf8(bytes.title)) << bytes.title;
    EXPECT_NE(bytes.title.find("a"), std::string::npos);
    ASSERT_EQ(bytes.links.size(), 1u);
    EXPECT_TRUE(validUtf8(bytes.links[0].innerText));

    // Unpaired surrogates can only come from script.
    run(QStringLiteral("document.title = 'x\\uD800y'; document.links[0].textContent = '\\uDC00';"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return pane->document()->title != bytes.title; }, kPatience));
    EXPECT_TRUE(validUtf8(pane->document()->title));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return pane->document()->links[0].innerText != bytes.links[0].innerText; }, kPatience));
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

// The renderer ends as the out-of-memory killer would end it.
void killRenderer(QWebEnginePage& page) {
    const qint64 pid = page.renderProcessPid();
    ASSERT_GT(pid, 0);
    ASSERT_EQ(::kill(static_cast<pid_t>(pid), SIGKILL), 0);
}

TEST_F(BrowserPaneTest, AKilledRendererBringsTheClientsPageBackThreeTimesAMinuteThenTheStoppedPage) {
    const std::string clientPage = fixture->base() + "/landing.html?recovered";
    load(clientPage);
    run(QStringLiteral("location.href = '/landing.html?elsewhere'"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return fixture->answered("/landing.html?elsewhere"); }, kPatience));
    for (int crash = 1; crash <= 3; ++crash) {
        const int before = completed;
        killRenderer(page());
        ASSERT_TRUE(QTest::qWaitFor([&] { return completed > before; }, kPatience)) << crash;
        EXPECT_EQ(pane->locationUrl(), clientPage) << "the client's page, not the page's own: " << crash;
        EXPECT_EQ(fixture->answers("/landing.html?recovered"), crash + 1);
    }
    const int before = completed;
    killRenderer(page());
    ASSERT_TRUE(QTest::qWaitFor([&] { return completed > before; }, kPatience));
    ASSERT_EQ(pane->document()->title, "页面已停止响应");
    EXPECT_EQ(fixture->answers("/landing.html?recovered"), 4);

    click(QStringLiteral("#reload"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return pane->locationUrl() == clientPage; }, kPatience));
    EXPECT_TRUE(QTest::qWaitFor([&] { return fixture->answers("/landing.html?recovered") == 5; }, kPatience));
}

// The page shows alone on the whole screen and comes back to its pane as it
// was; a pane that may not, stays. (A pane's permission is the logic's once
// for all: the engine refuses a page's later requests after one refusal.)
TEST_F(BrowserPaneTest, AFullScreenRequestTakesTheScreenWhereThePaneAllowsItAndEscEndsIt) {
    const QWidget* window = static_cast<QtForm*>(form)->widget();
    const QRect placed = window->geometry();
    const auto fullScreenWindow = [] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->isVisible() && widget->findChild<QWebEngineView*>() &&
                widget->geometry() == widget->screen()->geometry())
                return widget;
        return static_cast<QWidget*>(nullptr);
    };
    for (const bool allowed : {true, false}) {
        pane->setFullScreenAllowed(allowed);
        load(fixture->base() + "/screen.html");
        click(QStringLiteral("#whole"));
        if (!allowed) {
            QTest::qWait(1000);
            EXPECT_FALSE(fullScreenWindow());
            EXPECT_FALSE(run(QStringLiteral("document.fullscreenElement !== null")).toBool());
            continue;
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return fullScreenWindow() != nullptr; }, kPatience));
        QTest::keyClick(fullScreenWindow()->findChild<QWebEngineView*>()->focusProxy(), Qt::Key_Escape);
        ASSERT_TRUE(QTest::qWaitFor([&] { return fullScreenWindow() == nullptr; }, kPatience));
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return !run(QStringLiteral("document.fullscreenElement !== null")).toBool(); }, kPatience));
        EXPECT_EQ(view().window(), window);
        EXPECT_EQ(window->geometry(), placed);
    }
    pane->setFullScreenAllowed(false);
}

}  // namespace
}  // namespace fluvane::platform::qt

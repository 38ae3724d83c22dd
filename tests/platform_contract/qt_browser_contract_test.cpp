// The browser pane's contract on the Qt platform: the real engine on an X
// display, pages served by a portal of the tests' own, real time.
#include "browser_contract.h"

#include "platform/qt/qt_controls.h"
#include "platform/qt/qt_ui.h"
#include "qt/portal_process.h"
#include "qt/qt_test_application.h"

#include <QTest>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <fstream>
#include <memory>

namespace fluvane::platform::contract {
namespace {

constexpr int kPatience = 30000;  // ms; the engine starts slowly on a loaded machine

QString escaped(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

// Script that yields `text` whatever its characters.
QString literal(const std::string& url) {
    return "decodeURIComponent('" + QString::fromLatin1(QUrl::toPercentEncoding(QString::fromStdString(url))) + "')";
}

void writeHtml(const std::filesystem::path& file, const QString& html) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << html.toStdString();
}

QString htmlOf(const Document& document) {
    QString html = "<!DOCTYPE html><meta charset=\"utf-8\"><title>" + escaped(document.title) + "</title>";
    for (const DocumentLink& link : document.links) {
        html += "<a href=\"" + escaped(link.href) + "\">" + escaped(link.innerText) + "</a>";
    }
    return html;
}

// One portal for the whole binary, over a site the drivers write into.
class Site : public ::testing::Environment {
public:
    void SetUp() override {
        qt::testing::testApplication("xcb");
        root_ = std::make_unique<ScratchFolder>("qt-site");
        portal_ = std::make_unique<qt::testing::PortalProcess>(
            QStringLiteral(FLUVANE_PORTAL_BINARY), QStringList{"--root", QString::fromStdString(root_->path())},
            kPatience);
        ASSERT_FALSE(portal_->base().empty()) << "the portal did not start";
    }
    void TearDown() override {
        portal_.reset();
        root_.reset();
    }
    static std::filesystem::path root() { return instance->root_->path(); }
    static std::string base() { return instance->portal_->base(); }

    static inline Site* instance = nullptr;

private:
    std::unique_ptr<ScratchFolder> root_;
    std::unique_ptr<qt::testing::PortalProcess> portal_;
};

const auto* const site = ::testing::AddGlobalTestEnvironment(Site::instance = new Site);

class QtBrowserDriver {
public:
    Ui& ui() { return ui_; }
    void show(Form& form, Rect place) {
        form.setGeometry(place);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(qt::widgetOf(form)));
    }

    static void serve(const std::string& path, const Document& document) {
        writeHtml(Site::root() / path.substr(1), htmlOf(document));
    }
    static std::string pageUrl(const std::string& path) { return Site::base() + path; }
    static std::string origin() { return Site::base(); }
    std::string localPage(const std::string& name, const Document& document) {
        const auto file = applicationDirectory() / "zelskin/html" / name;
        writeHtml(file, htmlOf(document));
        return "file://" + file.string();
    }
    const std::filesystem::path& applicationDirectory() const { return folder_.path(); }
    static bool waitFor(const std::function<bool()>& condition) { return QTest::qWaitFor(condition, kPatience); }
    void followLink(BrowserPane& pane, const std::string& url) { run(pane, "location.href = " + literal(url)); }
    // A button over the whole pane that asks for three windows: the engine gives one.
    static std::string windowPage() {
        writeHtml(Site::root() / "window.html",
                  "<!DOCTYPE html><body style=\"margin:0\"><button style=\"width:100%;height:100vh\" "
                  "onclick=\"for (var i = 0; i < 3; ++i) window.open(target)\">open</button>");
        return pageUrl("/window.html");
    }
    void clickForWindow(BrowserPane& pane, const std::string& url) {
        run(pane, "var target = " + literal(url) + "; 0");
        QWidget* view = viewOf(pane).focusProxy();
        QTest::mouseClick(view, Qt::LeftButton, {}, view->rect().center());
    }
    void roundTrip(BrowserPane& pane) { run(pane, QStringLiteral("0")); }
    const std::vector<std::string>& openedLinks() const { return shell_.openedLinks; }

private:
    static QWebEngineView& viewOf(BrowserPane& pane) { return *qt::widgetOf(pane)->findChild<QWebEngineView*>(); }
    // Runs script in the page and waits for it. A result after the wait has
    // given up goes to state the callback shares.
    static void run(BrowserPane& pane, const QString& script) {
        const auto done = std::make_shared<bool>(false);
        viewOf(pane).page()->runJavaScript(script, [done](const QVariant&) { *done = true; });
        EXPECT_TRUE(QTest::qWaitFor([&] { return *done; }, kPatience)) << script.toStdString();
    }

    QApplication& app_ = qt::testing::testApplication("xcb");
    ScratchFolder folder_{"qt-app"};
    qt::testing::RecordingShell shell_;
    qt::QtUi ui_{{"flvplay", "dddisk"}, folder_.path(), shell_};
};

INSTANTIATE_TYPED_TEST_SUITE_P(QtBrowser, BrowserContract, QtBrowserDriver);

}  // namespace
}  // namespace fluvane::platform::contract

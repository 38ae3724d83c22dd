// Each engine page that has loaded keeps a renderer process: a pane makes its
// page only when it navigates, and lets it go when its window closes.
#include "platform/browser.h"
#include "platform/qt/qt_form.h"
#include "platform/qt/qt_ui.h"
#include "qt_test_application.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>

#include <gtest/gtest.h>

namespace fluvane::platform::qt {
namespace {

using namespace platform;

int enginePages(Form& form) {
    return static_cast<int>(static_cast<QtForm&>(form).widget()->findChildren<QWebEnginePage*>().size());
}

TEST(BrowserPagesTest, APaneHasAPageFromItsFirstNavigationUntilItsWindowCloses) {
    testing::testApplication("xcb");
    QTemporaryDir app;
    ASSERT_TRUE(QDir(app.path()).mkpath("zelskin/html"));
    QFile page(app.filePath("zelskin/html/page.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<!DOCTYPE html><title>page</title>");
    page.close();
    testing::RecordingShell shell;
    QtUi ui({}, app.path().toStdString(), shell);
    // Another window keeps the program open when this one closes.
    const std::unique_ptr<Form> other = ui.createForm();
    const std::unique_ptr<Form> form = ui.createForm();
    BrowserPane& idle = form->addBrowser();
    BrowserPane& pane = form->addBrowser();
    idle.setGeometry(Rect::fromSize(0, 0, 100, 100));
    pane.setGeometry(Rect::fromSize(100, 0, 100, 100));
    form->setGeometry(Rect::fromSize(0, 0, 200, 100));
    form->show();
    int completed = 0;
    pane.browserEvents.downloadComplete = [&] { ++completed; };
    EXPECT_EQ(enginePages(*form), 0);

    pane.navigate(page.fileName().toStdString());
    ASSERT_TRUE(QTest::qWaitFor([&] { return completed == 1; }, 30000));
    EXPECT_EQ(enginePages(*form), 1);
    EXPECT_EQ(pane.document()->title, "page");

    form->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return enginePages(*form) == 0; }, 5000));
    pane.navigate(page.fileName().toStdString());
    pane.refresh();
    QTest::qWait(200);
    EXPECT_EQ(enginePages(*form), 0);
    EXPECT_EQ(completed, 1);
}

}  // namespace
}  // namespace fluvane::platform::qt

#include "platform/qt/qt_controls.h"
#include "platform/qt/qt_form.h"
#include "platform/qt/qt_ui.h"
#include "qt_test_application.h"

#include <QCursor>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

namespace fluvane::platform::qt {
namespace {

using namespace platform;

// Kept outside every handler, so that reading them never touches what a
// handler captured.
bool witnessGone = false;
bool goneWhileRunning = false;
Label* selfReplacing = nullptr;
std::vector<std::pair<std::uintptr_t, std::intptr_t>> trayCalls;

constexpr std::uint32_t kTrayMessage = msg::User + 9;

struct Witness {
    ~Witness() { witnessGone = true; }
};

std::intptr_t recordTray(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
    if (message == kTrayMessage) trayCalls.emplace_back(wParam, lParam);
    return 0;
}

class QtLifetimeTest : public ::testing::Test {
protected:
    QtLifetimeTest() : app(testing::testApplication("offscreen")) {
        witnessGone = goneWhileRunning = false;
        trayCalls.clear();
    }

    void show() {
        form->setGeometry(Rect::fromSize(0, 0, 200, 150));
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(widgetOf(*form)));
    }
    static QWidget* widgetOf(Form& owner) { return static_cast<QtForm&>(owner).widget(); }
    NotifyIconData trayRecord(Form& owner) const {
        NotifyIconData data;
        data.owner = &owner;
        data.id = 3;
        data.flags = 1 | 4;
        data.callbackMessage = kTrayMessage;
        data.tip = "Fluvane";
        return data;
    }

    QApplication& app;
    testing::RecordingShell shell;
    QtUi ui{{}, {}, shell};
    std::unique_ptr<Form> form = ui.createForm();
};

TEST_F(QtLifetimeTest, AHandlerThatReplacesItselfKeepsItsCapturesUntilItReturns) {
    Label& label = form->addLabel();
    label.setGeometry(Rect::fromSize(0, 0, 20, 20));
    show();
    selfReplacing = &label;
    auto witness = std::make_shared<Witness>();
    label.events.click = [witness] {
        static_cast<void>(witness);
        selfReplacing->events.click = nullptr;
        goneWhileRunning = witnessGone;
    };
    witness.reset();
    QTest::mouseClick(static_cast<QtLabel&>(label).widget(), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_FALSE(goneWhileRunning);
    EXPECT_TRUE(witnessGone);
}

TEST_F(QtLifetimeTest, AFormMayBeDestroyedByItsOwnResizeHandler) {
    show();
    form->events.resize = [this] { form.reset(); };
    form->setGeometry(Rect::fromSize(0, 0, 300, 200));
    EXPECT_FALSE(form);
}

TEST_F(QtLifetimeTest, AFormMayBeDestroyedDuringItsMoveLoop) {
    show();
    QWindow* window = widgetOf(*form)->windowHandle();
    QCursor::setPos(window->mapToGlobal(QPoint(20, 20)));
    QCoreApplication::processEvents();
    QTest::mousePress(window, Qt::LeftButton, {}, QPoint(20, 20));
    QTimer::singleShot(0, [window = QPointer<QWindow>(window)] {
        if (window) QTest::mouseMove(window, QPoint(30, 20));
    });
    std::vector<std::uint32_t> seen;
    WindowProcedure original;
    original = form->replaceProcedure([&](std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
        seen.push_back(message);
        if (message != msg::Moving) return original(message, wParam, lParam);
        form.reset();
        return std::intptr_t{1};
    });
    form->sendMessage(msg::SysCommand, syscmd::DragMove, 0);
    EXPECT_FALSE(form);
    EXPECT_EQ(seen, (std::vector<std::uint32_t>{msg::SysCommand, msg::EnterSizeMove, msg::Moving}));

    // The button comes up over another window.
    std::unique_ptr<Form> other = ui.createForm();
    other->setGeometry(Rect::fromSize(0, 0, 100, 100));
    other->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widgetOf(*other)));
    QTest::mouseRelease(widgetOf(*other)->windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(QGuiApplication::mouseButtons(), Qt::NoButton);
}

TEST_F(QtLifetimeTest, TrayCallbacksReachTheOwnersProcedureAndEndWithTheOwner) {
    std::unique_ptr<Form> owner = ui.createForm();
    owner->replaceProcedure(recordTray);
    const NotifyIconData data = trayRecord(*owner);
    ASSERT_TRUE(ui.notifyIcon(NotifyIconOperation::Add, data));
    const QPointer<QSystemTrayIcon> icon = widgetOf(*owner)->findChild<QSystemTrayIcon*>();
    ASSERT_TRUE(icon);
    emit icon->activated(QSystemTrayIcon::Trigger);
    emit icon->activated(QSystemTrayIcon::Context);
    EXPECT_TRUE(trayCalls.empty()) << "not inside the icon's own event";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    const decltype(trayCalls) expected{{3, traymsg::LeftButtonUp}, {3, traymsg::RightButtonUp}};
    EXPECT_EQ(trayCalls, expected);

    trayCalls.clear();
    owner.reset();
    if (icon) emit icon->activated(QSystemTrayIcon::Trigger);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    EXPECT_TRUE(trayCalls.empty());
    EXPECT_FALSE(ui.notifyIcon(NotifyIconOperation::Modify, data));
}

TEST_F(QtLifetimeTest, AnIconDeletedFromItsOwnCallbackGoesOnceTheCallbackReturns) {
    const NotifyIconData data = trayRecord(*form);
    ASSERT_TRUE(ui.notifyIcon(NotifyIconOperation::Add, data));
    const QPointer<QSystemTrayIcon> icon = widgetOf(*form)->findChild<QSystemTrayIcon*>();
    ASSERT_TRUE(icon);
    bool deleted = false;
    bool hiddenButAlive = false;
    form->replaceProcedure([&](std::uint32_t message, std::uintptr_t, std::intptr_t) {
        if (message != kTrayMessage) return std::intptr_t{0};
        deleted = ui.notifyIcon(NotifyIconOperation::Delete, data);
        hiddenButAlive = icon && !icon->isVisible();
        return std::intptr_t{0};
    });
    emit icon->activated(QSystemTrayIcon::Trigger);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    EXPECT_TRUE(deleted);
    EXPECT_TRUE(hiddenButAlive);
    EXPECT_FALSE(ui.notifyIcon(NotifyIconOperation::Modify, data));

    // An icon added again under the same key outlives the old one.
    ASSERT_TRUE(ui.notifyIcon(NotifyIconOperation::Add, data));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(icon);
    EXPECT_TRUE(ui.notifyIcon(NotifyIconOperation::Modify, data));
}

}  // namespace
}  // namespace fluvane::platform::qt

// What the Qt platform takes from the desktop: the icon's sizes, the tray's
// clicks, and Qt's own texts in the user's language.
#include "platform/messages.h"
#include "platform/qt/qt_controls.h"
#include "platform/qt/qt_form.h"
#include "platform/qt/qt_process_setup.h"
#include "platform/qt/qt_tray.h"
#include "platform/qt/qt_ui.h"
#include "qt_test_application.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QProxyStyle>
#include <QSystemTrayIcon>
#include <QTextDocument>
#include <QTimer>
#include <QTranslator>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace fluvane::platform::qt {
namespace {

using namespace platform;

class QtDesktopTest : public ::testing::Test {
protected:
    QtDesktopTest() : app(testing::testApplication("offscreen")) {}

    QApplication& app;
    testing::RecordingShell shell;
    QtUi ui{{}, {}, shell};
};

TEST_F(QtDesktopTest, TrayActivationsArriveAsTheSystemsMouseMessages) {
    const std::pair<QSystemTrayIcon::ActivationReason, std::optional<std::intptr_t>> cases[] = {
        {QSystemTrayIcon::Trigger, traymsg::LeftButtonUp},  {QSystemTrayIcon::DoubleClick, traymsg::LeftButtonUp},
        {QSystemTrayIcon::Context, traymsg::RightButtonUp}, {QSystemTrayIcon::MiddleClick, std::nullopt},
        {QSystemTrayIcon::Unknown, std::nullopt},
    };
    for (const auto& [reason, message] : cases) EXPECT_EQ(trayMouseMessage(reason), message) << reason;
}

// The logic sees the standard large size; the window's frame, its taskbar
// entry and the tray choose from every size.
TEST_F(QtDesktopTest, WindowsAndTheTrayGetEverySizeTheLogicTheLargeOne) {
    const std::filesystem::path skinIcon = std::filesystem::path(FLUVANE_GENERATED_SKIN_DIR) / "zelskin" / "icon.ico";
    const struct {
        std::shared_ptr<Picture> icon;
        QList<QSize> sizes;
    } cases[] = {
        {ui.loadIcon(skinIcon), {{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}}},
        {ui.resourcePicture(203), {{64, 64}, {48, 48}, {32, 32}, {24, 24}, {16, 16}, {128, 128}, {96, 96}}},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(c.icon);
        EXPECT_EQ(c.icon->size(), (Size{32, 32}));  // the offscreen desktop's large size
        const std::unique_ptr<Form> form = ui.createForm();
        form->setIcon(c.icon);
        EXPECT_EQ(static_cast<QtForm&>(*form).widget()->windowIcon().availableSizes(), c.sizes);
        NotifyIconData tray;
        tray.owner = form.get();
        tray.flags = 2;
        tray.icon = c.icon;
        ASSERT_TRUE(ui.notifyIcon(NotifyIconOperation::Add, tray));
        const auto* icon = static_cast<QtForm&>(*form).widget()->findChild<QSystemTrayIcon*>();
        ASSERT_TRUE(icon);
        EXPECT_EQ(icon->icon().availableSizes(), c.sizes);
        ui.notifyIcon(NotifyIconOperation::Delete, tray);
    }
}

// A desktop with other large icons gets the skin icon's image of that size.
TEST_F(QtDesktopTest, TheLogicsIconFollowsTheDesktopsLargeIconSize) {
    class LargeIcons final : public QProxyStyle {
    public:
        using QProxyStyle::QProxyStyle;
        int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
            return metric == PM_LargeIconSize ? 48 : QProxyStyle::pixelMetric(metric, option, widget);
        }
    };
    const QString before = QApplication::style()->name();
    QApplication::setStyle(new LargeIcons(before));
    const auto icon = ui.loadIcon(std::filesystem::path(FLUVANE_GENERATED_SKIN_DIR) / "zelskin" / "icon.ico");
    QApplication::setStyle(before);
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->size(), (Size{48, 48}));
}

TEST_F(QtDesktopTest, MessageBoxButtonsSpeakTheSystemsLanguage) {
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    completeDesktopSetup(app);
    QMessageBox box(QMessageBox::Question, "检测到更新", "是否立即升级", QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(box.button(QMessageBox::Yes)->text().startsWith(u'是'))
        << box.button(QMessageBox::Yes)->text().toStdString();
    EXPECT_TRUE(box.button(QMessageBox::No)->text().startsWith(u'否'))
        << box.button(QMessageBox::No)->text().toStdString();
    for (QTranslator* translator : app.findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    QLocale::setDefault(QLocale::c());
}

// A server's version, a page's title: markup in them shows as written, and
// no link in it can be clicked.
TEST_F(QtDesktopTest, TextsFromThePortalShowAsWrittenNeverAsMarkup) {
    const std::string markup = R"(<a href="file:///etc/passwd">更新说明点此查看</a> & <b>2.0</b>)";
    QString shown;
    Qt::TextFormat format = Qt::AutoText;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        for (const QLabel* label : box->findChildren<QLabel*>()) {
            if (label->text().contains(u"passwd")) {
                shown = label->text();
                format = label->textFormat();
            }
        }
        box->reject();
    });
    ui.messageBox("检测到更新", markup, MessageBoxIcon::Question, MessageBoxButtons::YesNo);
    EXPECT_EQ(shown.toStdString(), markup);
    EXPECT_EQ(format, Qt::PlainText);

    std::unique_ptr<Form> form = ui.createForm();
    Label& label = form->addLabel();
    label.setToolTip(markup);
    QTextDocument tooltip;
    tooltip.setHtml(static_cast<QtLabel&>(label).widget()->toolTip());
    EXPECT_EQ(tooltip.toPlainText().toStdString(), markup);
    EXPECT_TRUE(tooltip.toHtml().contains(u"&lt;a href"));
}

// The client snaps and glues its windows by their positions, which only X11
// tells: on a Wayland session its application object takes XWayland, unless
// the user chose; the programs it starts choose for themselves.
TEST_F(QtDesktopTest, WaylandSessionsRunTheClientThroughXWayland) {
    const std::string ours = std::getenv("QT_QPA_PLATFORM");
    const struct {
        const char* wayland;
        const char* given;
        const char* forTheApplication;
        const char* afterwards;
    } cases[] = {
        {"wayland-0", nullptr, "xcb;wayland", nullptr},
        {"wayland-0", "wayland", "wayland", "wayland"},
        {nullptr, nullptr, nullptr, nullptr},
    };
    const auto current = [] {
        const char* value = std::getenv("QT_QPA_PLATFORM");
        return std::string(value ? value : "(unset)");
    };
    for (const auto& c : cases) {
        c.wayland ? setenv("WAYLAND_DISPLAY", c.wayland, 1) : unsetenv("WAYLAND_DISPLAY");
        c.given ? setenv("QT_QPA_PLATFORM", c.given, 1) : unsetenv("QT_QPA_PLATFORM");
        preferX11OnWayland();
        EXPECT_EQ(current(), c.forTheApplication ? c.forTheApplication : "(unset)") << c.wayland;
        completeDesktopSetup(app);
        EXPECT_EQ(current(), c.afterwards ? c.afterwards : "(unset)") << c.wayland;
    }
    unsetenv("WAYLAND_DISPLAY");
    setenv("QT_QPA_PLATFORM", ours.c_str(), 1);
}

}  // namespace
}  // namespace fluvane::platform::qt

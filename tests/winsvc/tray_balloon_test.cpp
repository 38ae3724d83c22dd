#include "winsvc/tray_balloon.h"

#include "winsvc/taskbar_button.h"

#include "sim_desktop.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace fluvane::winsvc {
namespace {

using platform::NotifyIconOperation;
using platform::WindowState;
namespace msg = platform::msg;
namespace traymsg = platform::traymsg;

class TrayBalloonTest : public testing::SimDesktop {
protected:
    TrayBalloonTest() {
        below = main->replaceProcedure([this](std::uint32_t m, std::uintptr_t w, std::intptr_t l) {
            if (m == msg::TrayCallback) ++callbacksBelow;
            return below(m, w, l);
        });
    }

    struct MenuRequest {
        platform::Point at;
        int foregroundBefore;
    };

    std::unique_ptr<platform::Form> main = window({100, 100, 900, 600});
    platform::WindowProcedure below;
    int callbacksBelow = 0;
    std::vector<MenuRequest> menus;
    bool menuFails = false;
    托盘气泡 tray{ui, *main, [this](platform::Point at) {
                      menus.push_back({at, sim(*main).foregroundRequests()});
                      if (menuFails) throw std::runtime_error("menu");
                  }};
};

TEST_F(TrayBalloonTest, FirstCallAddsLaterCallsModifyAndTheCallbackIsInstalledOnce) {
    const auto icon = ui.resourcePicture(203);
    tray.setWindowIcon(icon);
    tray.ShowTrayIcon("澜映");
    tray.ShowTrayIcon("澜映影院");
    tray.ShowBalloon("网络没有连接", "请连接网络重试", 1, 10000);

    const auto& calls = ui.notifyIconCalls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].operation, NotifyIconOperation::Add);
    EXPECT_EQ(calls[1].operation, NotifyIconOperation::Modify);
    EXPECT_EQ(calls[2].operation, NotifyIconOperation::Modify);
    for (const auto& call : calls) {
        EXPECT_EQ(call.data.owner, main.get());
        EXPECT_EQ(call.data.flags, 31u);
        EXPECT_EQ(call.data.callbackMessage, msg::TrayCallback);
        EXPECT_EQ(call.data.icon, icon);
    }
    EXPECT_EQ(calls[1].data.tip, "澜映影院");
    EXPECT_EQ(calls[1].data.balloonText, "");
    EXPECT_EQ(calls[2].data.tip, "网络没有连接");
    EXPECT_EQ(calls[2].data.balloonTitle, "网络没有连接");
    EXPECT_EQ(calls[2].data.balloonText, "请连接网络重试");
    EXPECT_EQ(calls[2].data.balloonIcon, 1);
    EXPECT_EQ(calls[2].data.timeoutMs, 10000);
    // One callback on the chain: a click hides the window once, and nothing shows it again.
    EXPECT_TRUE(ui.raiseTrayCallback(0, traymsg::LeftButtonUp));
    EXPECT_FALSE(main->visible());
    EXPECT_EQ(callbacksBelow, 1);
}

TEST_F(TrayBalloonTest, RemovingDeletesTheIconAndTakesTheCallbackOutOnlyWhenInstalled) {
    tray.RemoveTrayIcon();
    EXPECT_TRUE(ui.notifyIconCalls().empty());

    tray.ShowTrayIcon("澜映");
    tray.RemoveTrayIcon();
    tray.RemoveTrayIcon();
    ASSERT_EQ(ui.notifyIconCalls().size(), 2u);
    const auto& removal = ui.notifyIconCalls()[1];
    EXPECT_EQ(removal.operation, NotifyIconOperation::Delete);
    EXPECT_EQ(removal.data.flags, 7u);
    EXPECT_EQ(removal.data.tip, "");
    EXPECT_EQ(ui.trayIcon(0), nullptr);
    main->sendMessage(msg::TrayCallback, 0, traymsg::LeftButtonUp);
    EXPECT_TRUE(main->visible());
    EXPECT_EQ(callbacksBelow, 1);

    tray.ShowTrayIcon("澜映");
    EXPECT_EQ(ui.notifyIconCalls().back().operation, NotifyIconOperation::Add);
}

TEST_F(TrayBalloonTest, ClicksToggleTheWindowAndAskForTheMenuInFront) {
    enum class Start { Shown, Hidden, Minimised };
    const struct {
        std::string name;
        Start start;
        std::vector<std::intptr_t> clicks;
        bool menuFails;
        bool visible;
        WindowState state;
        std::size_t menus;
    } cases[] = {
        {"left on a shown window", Start::Shown, {traymsg::LeftButtonUp}, false, false, WindowState::Normal, 0},
        {"left on a hidden window", Start::Hidden, {traymsg::LeftButtonUp}, false, true, WindowState::Normal, 0},
        {"left on a minimised window",
         Start::Minimised,
         {traymsg::LeftButtonUp},
         false,
         false,
         WindowState::Minimized,
         0},
        {"left twice on a minimised window",
         Start::Minimised,
         {traymsg::LeftButtonUp, traymsg::LeftButtonUp},
         false,
         true,
         WindowState::Minimized,
         0},
        {"right", Start::Shown, {traymsg::RightButtonUp}, false, true, WindowState::Normal, 1},
        {"balloon", Start::Hidden, {traymsg::BalloonClick}, false, false, WindowState::Normal, 1},
        {"right with a failing menu", Start::Shown, {traymsg::RightButtonUp}, true, true, WindowState::Normal, 1},
        {"mouse move", Start::Shown, {0x0200}, false, true, WindowState::Normal, 0},
    };
    ui.setCursorPosition({1800, 1060});
    tray.ShowTrayIcon("澜映");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        main->show();
        main->setWindowState(WindowState::Normal);
        if (c.start == Start::Hidden) main->hide();
        if (c.start == Start::Minimised) main->setWindowState(WindowState::Minimized);
        menus.clear();
        menuFails = c.menuFails;
        callbacksBelow = 0;
        const int foreground = sim(*main).foregroundRequests();

        for (const std::intptr_t click : c.clicks) EXPECT_TRUE(ui.raiseTrayCallback(0, click));
        EXPECT_EQ(main->visible(), c.visible);
        EXPECT_EQ(main->windowState(), c.state);
        EXPECT_EQ(callbacksBelow, static_cast<int>(c.clicks.size()));
        ASSERT_EQ(menus.size(), c.menus);
        for (const auto& menu : menus) {
            EXPECT_EQ(menu.at, (platform::Point{1800, 1060}));
            EXPECT_EQ(menu.foregroundBefore, foreground + 1);
        }
    }
}

TEST_F(TrayBalloonTest, WithoutANotificationAreaHidingMinimisesAndCloseQuits) {
    const struct {
        std::string name;
        bool trayAtStart;
        bool trayLater;
        bool canHide;
    } cases[] = {
        {"tray present", true, true, true},
        {"no tray", false, false, false},
        {"tray appearing later", false, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto form = window({100, 100, 900, 600});
        bool visibleAtClose = false;
        platform::WindowProcedure original;
        original = form->replaceProcedure([&](std::uint32_t m, std::uintptr_t w, std::intptr_t l) {
            if (m == msg::SysCommand && w == platform::syscmd::Close) visibleAtClose = form->visible();
            return original(m, w, l);
        });
        ui.setTrayAvailable(c.trayAtStart);
        托盘气泡 icon(ui, *form, nullptr);
        icon.ShowTrayIcon("澜映");
        ui.setTrayAvailable(c.trayLater);
        icon.ShowBalloon("澜映", "", 0, 0);
        EXPECT_EQ(icon.canHideToTray(), c.canHide);

        icon.hideToTray();
        EXPECT_EQ(form->visible(), !c.canHide);
        EXPECT_EQ(form->windowState(), c.canHide ? WindowState::Normal : WindowState::Minimized);

        form->show();
        状态栏 taskbar(*form, icon);
        taskbar.TaskbarButtonBehaviour();
        form->sendMessage(msg::SysCommand, platform::syscmd::Close, 0);
        EXPECT_EQ(visibleAtClose, !c.canHide);
        EXPECT_TRUE(sim(*form).closed());
        ui.setTrayAvailable(true);
    }
}

}  // namespace
}  // namespace fluvane::winsvc

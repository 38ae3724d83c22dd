#include "winsvc/procedure_hook.h"

#include "winsvc/borderless_maximise.h"
#include "winsvc/taskbar_button.h"
#include "winsvc/tray_balloon.h"

#include "sim_desktop.h"

#include <array>
#include <string>
#include <vector>

namespace fluvane::winsvc {
namespace {

namespace msg = platform::msg;

class ProcedureChainTest : public testing::SimDesktop {};

TEST_F(ProcedureChainTest, TakingAHookOutKeepsTheOthersInOrder) {
    const struct {
        std::vector<int> removed;  // 0 installed first
        std::string seen;
    } cases[] = {
        {{}, "cbao"}, {{2}, "bao"}, {{1}, "cao"}, {{0}, "cbo"}, {{1, 2}, "ao"}, {{0, 2, 1}, "o"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.seen);
        auto form = window({0, 0, 100, 100});
        std::string seen;
        platform::WindowProcedure original;
        original = form->replaceProcedure([&](std::uint32_t m, std::uintptr_t w, std::intptr_t l) {
            seen += 'o';
            return original(m, w, l);
        });
        std::array<ProcedureHook, 3> hooks;
        for (char name : {'a', 'b', 'c'}) {
            const auto log = [&seen, name](std::uint32_t m, std::uintptr_t w, std::intptr_t l,
                                           const platform::WindowProcedure& next) {
                seen += name;
                return next(m, w, l);
            };
            EXPECT_TRUE(hooks[name - 'a'].install(*form, log));
        }
        EXPECT_FALSE(hooks[0].install(*form, nullptr));
        for (int index : c.removed) hooks[index].remove();
        form->sendMessage(msg::User, 0, 0);
        EXPECT_EQ(seen, c.seen);
    }
}

TEST_F(ProcedureChainTest, HookOutlivesItsClosedAndDeletedForm) {
    auto form = window({0, 0, 100, 100});
    ProcedureHook hook;
    int destroyed = 0;
    hook.install(*form, [&](std::uint32_t m, std::uintptr_t w, std::intptr_t l, const platform::WindowProcedure& next) {
        destroyed += m == msg::Destroy;
        return next(m, w, l);
    });
    form->close();
    form.reset();
    hook.remove();
    EXPECT_EQ(destroyed, 1);
    EXPECT_FALSE(hook.installed());
}

TEST_F(ProcedureChainTest, MainWindowServicesChainInLoadOrder) {
    auto main = window({100, 100, 900, 600});
    bool visibleAtClose = true;
    platform::WindowProcedure original;
    original = main->replaceProcedure([&](std::uint32_t m, std::uintptr_t w, std::intptr_t l) {
        if (m == msg::SysCommand && w == platform::syscmd::Close) visibleAtClose = main->visible();
        return original(m, w, l);
    });
    托盘气泡 tray(ui, *main, nullptr);
    无边框窗体最大化 maximise(ui);
    状态栏 taskbar(*main, tray);
    tray.ShowTrayIcon("澜映");
    maximise.MaximiseBounds(*main, {0, 0}, {1920, 1040});
    taskbar.TaskbarButtonBehaviour();

    main->sendMessage(msg::SysCommand, platform::syscmd::Maximize, 0);
    EXPECT_EQ(main->geometry(), (platform::Rect{0, 0, 1920, 1040}));
    EXPECT_TRUE(ui.raiseTrayCallback(0, platform::traymsg::LeftButtonUp));
    EXPECT_FALSE(main->visible());
    main->show();

    // Removing the icon takes only its own callback out of the chain.
    tray.RemoveTrayIcon();
    main->sendMessage(msg::TrayCallback, 0, platform::traymsg::LeftButtonUp);
    EXPECT_TRUE(main->visible());
    main->sendMessage(msg::SysCommand, platform::syscmd::Restore, 0);
    main->sendMessage(msg::SysCommand, platform::syscmd::Maximize, 0);
    EXPECT_EQ(main->geometry(), (platform::Rect{0, 0, 1920, 1040}));
    tray.ShowTrayIcon("澜映");
    main->sendMessage(msg::SysCommand, platform::syscmd::Close, 0);
    EXPECT_FALSE(visibleAtClose);
    EXPECT_TRUE(sim(*main).closed());
}

}  // namespace
}  // namespace fluvane::winsvc

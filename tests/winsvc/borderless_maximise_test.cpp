#include "winsvc/borderless_maximise.h"

#include "sim_desktop.h"

#include <cmath>
#include <string>

namespace fluvane::winsvc {
namespace {

using platform::Rect;
namespace msg = platform::msg;

class BorderlessMaximiseTest : public testing::SimDesktop {};

TEST_F(BorderlessMaximiseTest, MaximisedWindowLeavesThePanelVisibleOnEveryEdge) {
    const struct {
        std::string edge;
        Rect taskbar;
        Rect workArea;
        float twips;
        Rect maximised;
    } cases[] = {
        {"bottom", {0, 1040, 1920, 1080}, {0, 0, 1920, 1040}, 600, {0, 0, 1920, 1040}},
        {"top", {0, 0, 1920, 40}, {0, 40, 1920, 1080}, 600, {0, 40, 1920, 1080}},
        {"left", {0, 0, 60, 1080}, {60, 0, 1920, 1080}, 16200, {60, 0, 1920, 1080}},
        {"right", {1860, 0, 1920, 1080}, {0, 0, 1860, 1080}, 16200, {0, 0, 1860, 1080}},
        {"none", {}, {0, 0, 1920, 1080}, 0, {0, 0, 1920, 1080}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.edge);
        ui.setTaskbarRect(c.taskbar);
        ui.setWorkArea(c.workArea);
        auto form = window({100, 100, 900, 600});
        无边框窗体最大化 maximise(ui);
        const float taskbar = maximise.TaskbarHeight();
        EXPECT_EQ(taskbar, c.twips);
        // As the main window's load computes the bounds: twips to the nearest pixel.
        const int width = 1920;
        const int height = static_cast<int>(std::nearbyint((1080 * 15 - taskbar) / 15.0));
        maximise.MaximiseBounds(*form, {0, 0}, {width, height});
        form->sendMessage(msg::SysCommand, platform::syscmd::Maximize, 0);
        EXPECT_EQ(form->geometry(), c.maximised);
    }
}

TEST_F(BorderlessMaximiseTest, SecondCallReplacesTheBoundsAndHooksOnce) {
    auto form = window({100, 100, 900, 600});
    int below = 0;
    platform::WindowProcedure original;
    original = form->replaceProcedure([&](std::uint32_t m, std::uintptr_t w, std::intptr_t l) {
        ++below;
        return original(m, w, l);
    });
    无边框窗体最大化 maximise(ui);
    maximise.MaximiseBounds(*form, {0, 0}, {800, 600});
    maximise.MaximiseBounds(*form, {980, 400}, {1600, 900});

    form->sendMessage(msg::User, 0, 0);
    EXPECT_EQ(below, 1);
    platform::MinMaxInfo info;
    info.reserved = {7, 7};
    EXPECT_EQ(form->sendMessage(msg::GetMinMaxInfo, 0, reinterpret_cast<std::intptr_t>(&info)), 0);
    EXPECT_EQ(below, 1);
    EXPECT_EQ(info.reserved, (platform::Point{7, 7}));
    EXPECT_EQ(info.maxSize, (platform::Point{1600, 900}));
    EXPECT_EQ(info.maxPosition, (platform::Point{0, 0}));
    EXPECT_EQ(info.minTrackSize, (platform::Point{980, 400}));
    EXPECT_EQ(info.maxTrackSize, (platform::Point{1600, 900}));
}

}  // namespace
}  // namespace fluvane::winsvc

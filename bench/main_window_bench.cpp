// Main-window costs on the simulated platform, which records drawing rather
// than drawing: a resize of the window through its whole layout cascade, a
// drag step on its edge, and a title-bar paint.
#include "mainwindow/command_url.h"
#include "mainwindow/form1.h"
#include "platform/posix/posix_code_page.h"
#include "platform/posix/posix_profile.h"
#include "platform/sim/sim_platform.h"
#include "support/recording_windows.h"
#include "support/skin_files.h"
#include "support/temp_application_directory.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace fluvane::bench {
namespace {

using platform::Rect;

class LoadedMainWindow {
public:
    LoadedMainWindow() {
        testsupport::InstallSkin(dir.app(), sim.ui());
        testsupport::writeBytes(dir.app() / "zelhe.db",
                                codePage.toGbk("[澜映软件配置]\r\n域名=http://portal.test\r\n"));
        form = std::make_unique<mainwindow::Form1>(platform, windows);
        form->Form_Load();
        form->show();
        sim.advance(0);
    }

    // Drawing records pile up on the simulated canvases, where real ones keep
    // pixels; they are dropped now and then so the benchmark runs in bounded memory.
    void forgetDrawing() {
        if (++steps_ % 1024 == 0) forget(platform::sim::as<platform::sim::SimForm>(form->form()));
    }

private:
    int steps_ = 0;
    static void forget(platform::sim::SimNode& node) {
        if (auto* drawable = dynamic_cast<platform::sim::SimDrawable*>(&node)) drawable->clearOperations();
        for (const auto& child : node.children()) forget(*child);
    }

public:
    testsupport::TempApplicationDirectory dir;
    platform::posix::PosixCodePage codePage;
    platform::posix::PosixProfile profile{codePage};
    platform::sim::SimPlatform sim{profile, codePage, dir.app(), mainwindow::commandSchemeNames()};
    platform::Platform platform = sim.platform();
    testsupport::RecordingWindows windows;
    std::unique_ptr<mainwindow::Form1> form;
};

// Every container changes size, so every resize handler runs.
void BM_WindowResizeCascade(benchmark::State& state) {
    LoadedMainWindow loaded;
    int step = 0;
    for (auto _ : state) {
        step = 1 - step;
        loaded.form->form().setGeometry(Rect::fromSize(100, 50, 1200 + step, 800 + step));
    }
}
BENCHMARK(BM_WindowResizeCascade);

// The same, with the paints the platform then runs: the title bar, the panel
// buttons and the playlist.
void BM_WindowResizeAndRepaint(benchmark::State& state) {
    LoadedMainWindow loaded;
    int step = 0;
    for (auto _ : state) {
        step = 1 - step;
        loaded.form->form().setGeometry(Rect::fromSize(100, 50, 1200 + step, 800 + step));
        loaded.sim.ui().processEvents();
        loaded.forgetDrawing();
    }
}
BENCHMARK(BM_WindowResizeAndRepaint);

// One pointer move while the right edge is held: the buttons return to rest
// and the window grows or shrinks by a pixel.
void BM_EdgeDragStep(benchmark::State& state) {
    LoadedMainWindow loaded;
    platform::Form& window = loaded.form->form();
    window.setGeometry(Rect::fromSize(100, 50, 1200, 800));
    loaded.sim.ui().move(window, {1198, 400});
    int x = 1198;
    for (auto _ : state) {
        x = x == 1198 ? 1199 : 1198;
        loaded.sim.ui().move(window, {x, 400}, platform::button::Left);
        loaded.forgetDrawing();
    }
}
BENCHMARK(BM_EdgeDragStep);

void BM_TitleBarPaint(benchmark::State& state) {
    LoadedMainWindow loaded;
    for (auto _ : state) {
        loaded.form->form().events.paint();
        loaded.forgetDrawing();
    }
}
BENCHMARK(BM_TitleBarPaint);

}  // namespace
}  // namespace fluvane::bench

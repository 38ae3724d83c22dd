// One move step of a magnetic window: the main window dragged with a glued
// side window, among 2 or 50 registered windows on the simulated platform.
#include "winsvc/magnetic_wnd.h"

#include "platform/messages.h"
#include "platform/sim/sim_ui.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace fluvane::bench {
namespace {

void SnapMovingRectStep(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    platform::sim::SimClock clock;
    platform::sim::SimUi ui{clock};
    ui.setScreenSize({1920, 1080});
    ui.setWorkArea({0, 0, 1920, 1040});

    std::vector<std::unique_ptr<platform::Form>> forms;
    const auto place = [&](platform::Rect rect) -> platform::Form& {
        forms.push_back(ui.createForm());
        forms.back()->setGeometry(rect);
        forms.back()->show();
        return *forms.back();
    };
    platform::Form& main = place({600, 200, 1500, 800});
    platform::Form& side = place({1500, 200, 1700, 600});
    // The others in a grid across the screen, clear of each other.
    for (int i = 2; i < count; ++i) place(platform::Rect::fromSize(20 + i % 8 * 230, 20 + i / 8 * 140, 200, 110));

    winsvc::cMagneticWnd magnetic(ui);
    magnetic.AddWindow(main);
    magnetic.AddWindow(side, &main);
    for (std::size_t i = 2; i < forms.size(); ++i) magnetic.AddWindow(*forms[i]);

    main.sendMessage(platform::msg::EnterSizeMove, 0, 0);
    int step = 0;
    for (auto _ : state) {
        const int offset = step++ % 64 - 32;
        platform::Rect proposed{600 + offset, 200 + offset, 1500 + offset, 800 + offset};
        main.sendMessage(platform::msg::Moving, 0, reinterpret_cast<std::intptr_t>(&proposed));
        benchmark::DoNotOptimize(proposed);
    }
    main.sendMessage(platform::msg::ExitSizeMove, 0, 0);
}
BENCHMARK(SnapMovingRectStep)->Arg(2)->Arg(50);

}  // namespace
}  // namespace fluvane::bench

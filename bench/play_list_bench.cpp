// Playlist costs against the number of entries: 100 groups of unequal size,
// the largest open, the view scrolled into it.
#include "controls/sf_play_list.h"
#include "null_platform.h"
#include "play_list_filling.h"

#include <benchmark/benchmark.h>

namespace fluvane::bench {
namespace {

class FilledPlayList {
public:
    explicit FilledPlayList(int entries) {
        surface.setGeometry({0, 0, 260, 420});
        fillPlayList(list, surface, entries);
        surface.runPaints();
    }

    void wheel(int delta) { surface.events.mouseWheel(delta, {}); }
    void moveTo(int y) { surface.events.mouseMove({platform::button::None, 0, 100, y}); }

    NullUi ui;
    NullSurface surface;
    controls::SFPlayList list{surface, ui, platform::Font{}};
};

void BM_PointerMoveAndRepaint(benchmark::State& state) {
    FilledPlayList filled(static_cast<int>(state.range(0)));
    int y = 50;
    for (auto _ : state) {
        y = y == 50 ? 120 : 50;  // a different row each time
        filled.moveTo(y);
        filled.surface.runPaints();
    }
}
BENCHMARK(BM_PointerMoveAndRepaint)->Arg(1000)->Arg(10000)->Arg(100000);

void BM_PointerMoveOnly(benchmark::State& state) {
    FilledPlayList filled(static_cast<int>(state.range(0)));
    int y = 50;
    for (auto _ : state) {
        y = y == 50 ? 120 : 50;
        filled.moveTo(y);
    }
}
BENCHMARK(BM_PointerMoveOnly)->Arg(1000)->Arg(10000)->Arg(100000);

void BM_WheelStepAndRepaint(benchmark::State& state) {
    FilledPlayList filled(static_cast<int>(state.range(0)));
    int delta = 120;
    for (auto _ : state) {
        delta = -delta;
        filled.wheel(delta);
        filled.surface.runPaints();
    }
}
BENCHMARK(BM_WheelStepAndRepaint)->Arg(1000)->Arg(10000)->Arg(100000);

void BM_AddItemAppend(benchmark::State& state) {
    FilledPlayList filled(static_cast<int>(state.range(0)));
    const int open = kPlayListGroups / 2;
    for (auto _ : state) filled.list.AddItem(open, "appended", "http://127.0.0.1/v/new");
}
BENCHMARK(BM_AddItemAppend)->Arg(1000)->Arg(10000)->Arg(100000);

}  // namespace
}  // namespace fluvane::bench

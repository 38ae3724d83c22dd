// Playlist costs against the number of entries: 100 groups of unequal size,
// the largest open, the view scrolled into it.
#include "controls/sf_play_list.h"
#include "null_platform.h"

#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

namespace fluvane::bench {
namespace {

constexpr int kGroups = 100;

class FilledPlayList {
public:
    explicit FilledPlayList(int entries) {
        surface.setGeometry({0, 0, 260, 420});
        // Group g holds a share proportional to 1 + g % 10; the largest share
        // goes to the group added last, which is the open one.
        int weights[kGroups];
        int totalWeight = 0;
        for (int g = 0; g < kGroups; ++g) totalWeight += weights[g] = 1 + g % 10;
        int placed = 0;
        const int middle = kGroups / 2;
        for (int g = 0; g < kGroups; ++g) {
            const int count = g == kGroups - 1 ? entries - placed : entries * weights[g] / totalWeight;
            placed += count;
            // Insert the last (largest) group in the middle of the list.
            const int index = g == kGroups - 1 ? middle : list.NodesCount();
            list.AddNode("group " + std::to_string(g), g == kGroups - 1 ? index : -1);
            for (int i = 0; i < count; ++i)
                list.AddItem(index, "entry " + std::to_string(i), "http://127.0.0.1/v/" + std::to_string(i));
        }
        for (int g = 0; g < kGroups; ++g)
            if (list.ItemsCount(g) > list.ItemsCount(middle))
                throw std::logic_error("the open group is not the largest");
        // Into the open group: past the groups above it and a few of its rows.
        for (int step = 0; step < middle + 10; ++step) wheel(-120);
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
    const int open = kGroups / 2;
    for (auto _ : state) filled.list.AddItem(open, "appended", "http://127.0.0.1/v/new");
}
BENCHMARK(BM_AddItemAppend)->Arg(1000)->Arg(10000)->Arg(100000);

}  // namespace
}  // namespace fluvane::bench

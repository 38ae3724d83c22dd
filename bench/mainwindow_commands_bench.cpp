// The playlist file against the number of entries (100 groups, flushed to a
// real file in a temporary folder), and the episode collection of a play
// command on a large library page.
#include "controls/sf_play_list.h"
#include "mainwindow/page_commands.h"
#include "mainwindow/playlist_file.h"
#include "null_platform.h"
#include "platform/posix/posix_files.h"
#include "support/temp_application_directory.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

namespace fluvane::bench {
namespace {

namespace fs = std::filesystem;

constexpr int kGroups = 100;

// Real files, flushed to disk as the client saves them.
platform::posix::PosixFiles files;

fs::path playListFile(const testsupport::TempApplicationDirectory& dir) {
    return dir.app() / "zelskin" / "zelplaylist.xml";
}

struct EmptyPlayList {
    NullUi ui;
    NullSurface surface;
    controls::SFPlayList list{surface, ui, platform::Font{}};
    EmptyPlayList() { surface.setGeometry({0, 0, 260, 420}); }
};

// Entries spread evenly over the groups, with texts of typical length.
std::unique_ptr<EmptyPlayList> filled(int entries) {
    auto holder = std::make_unique<EmptyPlayList>();
    for (int g = 0; g < kGroups; ++g) {
        holder->list.AddNode("剧集 " + std::to_string(g));
        for (int i = g; i < entries; i += kGroups)
            holder->list.AddItem(g, "第" + std::to_string(i) + "集 & \"特别篇\"",
                                 "http://127.0.0.1:8090/tcab/play/?s=series" + std::to_string(g) + "&ep=" +
                                     std::to_string(i));
    }
    return holder;
}

void BM_SavePlayList(benchmark::State& state) {
    const auto holder = filled(static_cast<int>(state.range(0)));
    const testsupport::TempApplicationDirectory dir;
    for (auto _ : state)
        if (!mainwindow::SavePlayList(files, holder->list, playListFile(dir))) state.SkipWithError("the save failed");
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_SavePlayList)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

void BM_LoadPlayList(benchmark::State& state) {
    const testsupport::TempApplicationDirectory dir;
    mainwindow::SavePlayList(files, filled(static_cast<int>(state.range(0)))->list, playListFile(dir));
    for (auto _ : state) {
        state.PauseTiming();
        auto target = std::make_unique<EmptyPlayList>();
        state.ResumeTiming();
        mainwindow::LoadPlayList(target->list, playListFile(dir));
        if (target->list.NodesCount() != kGroups) state.SkipWithError("the load lost groups");
        state.PauseTiming();
        target.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_LoadPlayList)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

// A library page of 2,000 links: every other one an episode of the clicked
// scheme, the rest navigation and episodes of another scheme.
void BM_CollectEpisodes(benchmark::State& state) {
    platform::Document page{"铁轨尽头 全集", {}};
    for (int i = 0; i < 2000; ++i) {
        const std::string n = std::to_string(i);
        page.links.push_back(i % 2 == 0 ? platform::DocumentLink{"flvplay:///tcab/play/?s=tiegui&ep=" + n, "第" + n + "集"}
                             : i % 4 == 1 ? platform::DocumentLink{"http://127.0.0.1:8090/tcab/series/" + n + "/", "剧集 " + n}
                                          : platform::DocumentLink{"youkuplay:///tcab/play/?s=other&ep=" + n, "外站 " + n});
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(
            mainwindow::CollectEpisodes(page, "flvplay:///tcab/play/?s=tiegui&ep=1", "http://127.0.0.1:8090"));
}
BENCHMARK(BM_CollectEpisodes)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace fluvane::bench

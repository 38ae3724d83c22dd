// The playlist file against the number of entries (100 groups, flushed to a
// real file in a temporary folder) up to the caps, with texts of typical
// length and of the longest kept, and the episode collection of a play
// command on a large library page.
#include "controls/sf_play_list.h"
#include "mainwindow/page_commands.h"
#include "mainwindow/playlist_caps.h"
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

// `text` made as long as the caps keep.
std::string longest(std::string text, std::size_t bytes) {
    text.resize(bytes, 'x');
    return text;
}

// Entries spread evenly over the groups, with texts of typical length or
// with every name and URL as long as the caps keep.
std::unique_ptr<EmptyPlayList> filled(int entries, bool longestTexts) {
    auto holder = std::make_unique<EmptyPlayList>();
    for (int g = 0; g < kGroups; ++g) {
        const std::string group = "剧集 " + std::to_string(g);
        holder->list.AddNode(longestTexts ? longest(group, mainwindow::kLongestName) : group);
        for (int i = g; i < entries; i += kGroups) {
            const std::string name = "第" + std::to_string(i) + "集 & \"特别篇\"";
            const std::string url =
                "http://127.0.0.1:8090/tcab/play/?s=series" + std::to_string(g) + "&ep=" + std::to_string(i) + "&t=";
            holder->list.AddItem(g, longestTexts ? longest(name, mainwindow::kLongestName) : name,
                                 longestTexts ? longest(url, mainwindow::kLongestUrl) : url);
        }
    }
    return holder;
}

// Entries: 1,000, and the caps' 10,000 with typical and with the longest texts.
void playListSizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->Args({1000, 0})->Args({mainwindow::kMostEntries, 0})->Args({mainwindow::kMostEntries, 1});
    benchmark->ArgNames({"entries", "longest"})->Unit(benchmark::kMillisecond);
}

void BM_SavePlayList(benchmark::State& state) {
    const auto holder = filled(static_cast<int>(state.range(0)), state.range(1) != 0);
    const testsupport::TempApplicationDirectory dir;
    for (auto _ : state)
        if (!mainwindow::SavePlayList(files, holder->list, playListFile(dir))) state.SkipWithError("the save failed");
    state.counters["MiB"] = static_cast<double>(fs::file_size(playListFile(dir))) / (1024 * 1024);
}
BENCHMARK(BM_SavePlayList)->Apply(playListSizes);

void BM_LoadPlayList(benchmark::State& state) {
    const testsupport::TempApplicationDirectory dir;
    mainwindow::SavePlayList(files, filled(static_cast<int>(state.range(0)), state.range(1) != 0)->list,
                             playListFile(dir));
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
}
BENCHMARK(BM_LoadPlayList)->Apply(playListSizes);

// A library page of 2,000 links: every other one an episode of the clicked
// scheme, the rest navigation and episodes of another scheme.
void BM_CollectEpisodes(benchmark::State& state) {
    platform::Document page{"铁轨尽头 全集", {}};
    for (int i = 0; i < 2000; ++i) {
        const std::string n = std::to_string(i);
        page.links.push_back(
            i % 2 == 0   ? platform::DocumentLink{"flvplay:///tcab/play/?s=tiegui&ep=" + n, "第" + n + "集"}
            : i % 4 == 1 ? platform::DocumentLink{"http://127.0.0.1:8090/tcab/series/" + n + "/", "剧集 " + n}
                         : platform::DocumentLink{"youkuplay:///tcab/play/?s=other&ep=" + n, "外站 " + n});
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(
            mainwindow::collectEpisodes(page, "flvplay:///tcab/play/?s=tiegui&ep=1", "http://127.0.0.1:8090"));
}
BENCHMARK(BM_CollectEpisodes)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace fluvane::bench

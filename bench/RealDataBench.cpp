// Timings on the real data, built from Debian's bibledit-data into a temporary
// folder first. Run: build/testing/bin/vellumark_bench
#include "data/AppPaths.h"
#include "databuilder/DataBuilder.h"
#include "search/Searches.h"
#include "totals/RangeTotals.h"

#include <benchmark/benchmark.h>
#include <QCoreApplication>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <type_traits>

namespace {

namespace fs = std::filesystem;

const std::string kSources = "/usr/share/bibledit/sources";
std::string gAppPath;

/// Yields to a real event loop once per start verse, as the window does.
class EventYields : public vellumark::SearchObserver {
public:
    void processEvents() override { QCoreApplication::processEvents(); }
};

void BuildFullData(benchmark::State& state) {
    const std::string out = gAppPath + "/Rebuilt";
    for (auto _ : state) databuilder::BuildData(kSources, out);
    fs::remove_all(out);
}
BENCHMARK(BuildFullData)->Unit(benchmark::kMillisecond)->Iterations(3);

void RangeTotalsWholeFile(benchmark::State& state) {
    const std::string path = vellumark::DataPath(gAppPath, vellumark::kLineDataFile);
    for (auto _ : state)
        benchmark::DoNotOptimize(vellumark::CalculateRangeTotals(path, 1, 1, 1, 39, 3, 24));
}
BENCHMARK(RangeTotalsWholeFile)->Unit(benchmark::kMillisecond);

using VerseSearch = bool (*)(const vellumark::SearchRequest&, std::int16_t,
                             vellumark::SearchObserver&);
using WordSearch = bool (*)(const vellumark::SearchRequest&, vellumark::SearchObserver&);

/// Runs one verse search (args: type, value) or word search (arg: value) and
/// reports the size of the report it writes.
template <typename Search>
void RunSearch(benchmark::State& state, Search search) {
    EventYields observer;
    for (auto _ : state) {
        if constexpr (std::is_same_v<Search, VerseSearch>) {
            search({gAppPath, "bench", "", static_cast<std::int32_t>(state.range(1))},
                   static_cast<std::int16_t>(state.range(0)), observer);
        } else {
            search({gAppPath, "bench", "", static_cast<std::int32_t>(state.range(0))}, observer);
        }
    }
    state.counters["report_bytes"] =
        static_cast<double>(fs::file_size(vellumark::ReportPath(gAppPath, "bench")));
}

BENCHMARK_CAPTURE(RunSearch, SingleLine, VerseSearch{vellumark::MatchSingleLine})
    ->Unit(benchmark::kMillisecond)
    ->ArgNames({"type", "value"})
    ->Args({1, 9})
    ->Args({2, 40})
    ->Args({3, 2701})
    ->Args({3, 1000000});
BENCHMARK_CAPTURE(RunSearch, MultipleLine, VerseSearch{vellumark::MatchMultipleLine})
    ->Unit(benchmark::kMillisecond)
    ->ArgNames({"type", "value"})
    ->Args({1, 100})
    ->Args({2, 1000})
    ->Args({3, 2701})
    ->Args({3, 1000000});
BENCHMARK_CAPTURE(RunSearch, SingleWord, WordSearch{vellumark::MatchSingleWord})
    ->Unit(benchmark::kMillisecond)
    ->Arg(913)
    ->Arg(2701)
    ->Arg(26);
BENCHMARK_CAPTURE(RunSearch, MultipleWord, WordSearch{vellumark::MatchMultipleWord})
    ->Unit(benchmark::kMillisecond)
    ->Arg(2701)
    ->Arg(913)
    ->Arg(26);

/// The floor for report writing: the bytes of the largest report, written plainly.
void WriteSameBytes(benchmark::State& state) {
    EventYields observer;
    vellumark::MatchSingleWord({gAppPath, "bench", "", 26}, observer);
    std::ifstream in(vellumark::ReportPath(gAppPath, "bench"), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (auto _ : state) {
        std::ofstream out(gAppPath + "/Report/plain.html", std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    state.counters["report_bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(WriteSameBytes)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (!fs::exists(kSources + "/kjv.xml")) {
        std::cerr
            << "The benchmarks need Debian's bibledit-data (apt-get install bibledit-data).\n";
        return 1;
    }
    gAppPath = (fs::temp_directory_path() / "vellumark-bench").string();
    databuilder::BuildData(kSources, gAppPath + "/Data");
    fs::create_directories(gAppPath + "/Report");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fs::remove_all(gAppPath);
    return 0;
}

// The scan of one search on the real data, in process, with the record files
// loaded and every method's values computed (as the window and a batch hold
// them), its hits counted. Each row's x_floor is its CPU time over the floor's:
// the record files read, decoded and summed. Run: build/bench/bin/vellumark_scan_bench
#include "search/SearchData.h"
#include "search/Searches.h"

#include "BenchMain.h"
#include "Floor.h"
#include "FloorCounter.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::string gAppPath;
std::unique_ptr<vellumark::SearchData> gData;

const vellumark::SearchData& Data() {
    if (!gData) {
        gData = std::make_unique<vellumark::SearchData>(gAppPath);
        for (const vellumark::Method method : vellumark::kMethods)
            if (vellumark::IsSearchMethod(method)) gData->values(method);
    }
    return *gData;
}

/// The floor's CPU time, the least of 20 runs.
double FloorSeconds() {
    static const double floor =
        bench::LeastCpuSeconds([] { benchmark::DoNotOptimize(bench::ReadDecodeSum(gAppPath)); });
    return floor;
}

benchmark::Counter OverFloor() { return bench::OverFloor(FloorSeconds()); }

void Floor(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(bench::ReadDecodeSum(gAppPath));
    state.counters["x_floor"] = OverFloor();
}
BENCHMARK(Floor)->Unit(benchmark::kMillisecond);

class CountingSink : public vellumark::HitSink {
public:
    void add(const vellumark::Hit&) override { ++hits; }
    long hits = 0;
};

/// One search's scan (args: match, measure, value, method).
void Scan(benchmark::State& state) {
    const vellumark::SearchData& data = Data();
    vellumark::SearchRequest request{gAppPath, "bench", "", 0};
    request.match = static_cast<vellumark::Match>(state.range(0));
    request.searchType = static_cast<std::int16_t>(state.range(1));
    request.value = static_cast<std::int32_t>(state.range(2));
    request.method = static_cast<vellumark::Method>(state.range(3));
    vellumark::SearchObserver observer;
    CountingSink sink;
    for (auto _ : state) {
        sink.hits = 0;
        vellumark::RunSearch(request, data, sink, observer);
    }
    state.counters["hits"] = static_cast<double>(sink.hits);
    state.counters["x_floor"] = OverFloor();
}

void EveryMethod(benchmark::internal::Benchmark* b) {
    constexpr int kWords = static_cast<int>(vellumark::Match::Words);
    constexpr int kPhrases = static_cast<int>(vellumark::Match::Phrases);
    constexpr int kVerses = static_cast<int>(vellumark::Match::Verses);
    constexpr int kRuns = static_cast<int>(vellumark::Match::VerseRuns);
    b->ArgNames({"match", "measure", "value", "method"});
    for (int method = 0; method < static_cast<int>(vellumark::kMethods.size()); ++method) {
        if (!vellumark::IsSearchMethod(static_cast<vellumark::Method>(method))) continue;
        for (const auto& [match, measure, value] :
             {std::array{kWords, 3, 26}, std::array{kWords, 3, 913}, std::array{kPhrases, 3, 2701},
              std::array{kPhrases, 3, 26}, std::array{kPhrases, 3, 1000000},
              std::array{kVerses, 3, 2701}, std::array{kRuns, 3, 2701},
              std::array{kRuns, 3, 1000000}})
            b->Args({match, measure, value, method});
    }
    for (const auto& [measure, value] : {std::pair{1, 1000}, {1, 1000000}, {2, 1000000}})
        b->Args({kRuns, measure, value, 0});
}
BENCHMARK(Scan)->Unit(benchmark::kMillisecond)->Apply(EveryMethod);

}  // namespace

int main(int argc, char* argv[]) {
    return bench::RunOverRealData(argc, argv, "vellumark-scan-bench", gAppPath);
}

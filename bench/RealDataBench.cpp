// Timings on the real data, built from Debian's bibledit-data into a temporary
// folder first. Run: build/testing/bin/vellumark_bench
#include "data/AppPaths.h"
#include "search/SearchData.h"
#include "search/Searches.h"
#include "totals/RangeTotals.h"

#include "BenchMain.h"

#include <benchmark/benchmark.h>
#include <QCoreApplication>

#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

namespace fs = std::filesystem;

const std::string kSources = vellumark::kSourcesFolder;
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

/// Runs one search (args: match, measure, value, method) and reports the size
/// of the report it writes and its hits.
void RunSearch(benchmark::State& state) {
    EventYields observer;
    vellumark::SearchRequest request{gAppPath, "bench", "", 0};
    request.match = static_cast<vellumark::Match>(state.range(0));
    request.searchType = static_cast<std::int16_t>(state.range(1));
    request.value = static_cast<std::int32_t>(state.range(2));
    request.method = static_cast<vellumark::Method>(state.range(3));
    vellumark::SearchResult result;
    for (auto _ : state) result = vellumark::RunSearch(request, observer);
    state.counters["hits"] = static_cast<double>(result.hits);
    state.counters["report_bytes"] =
        static_cast<double>(fs::file_size(vellumark::ReportPath(gAppPath, "bench")));
}

constexpr int kWords = static_cast<int>(vellumark::Match::Words);
constexpr int kPhrases = static_cast<int>(vellumark::Match::Phrases);
constexpr int kVerses = static_cast<int>(vellumark::Match::Verses);
constexpr int kRuns = static_cast<int>(vellumark::Match::VerseRuns);

constexpr int kDefault = static_cast<int>(vellumark::Method::StandardAndFinal);
constexpr int kOrdinal = static_cast<int>(vellumark::Method::Ordinal);
constexpr int kAtbash = static_cast<int>(vellumark::Method::Atbash);

// A method other than the default reads Hebrew.txt for its values: the rows
// with a method pair with a default row of the same search. (A run search sums
// verses until it passes the value; with a large value it does more work under
// a method whose values are small, so the pair of run rows uses a small one.)
BENCHMARK(RunSearch)
    ->Unit(benchmark::kMillisecond)
    ->ArgNames({"match", "measure", "value", "method"})
    ->Args({kVerses, 1, 9, kDefault})
    ->Args({kVerses, 2, 40, kDefault})
    ->Args({kVerses, 3, 2701, kDefault})
    ->Args({kVerses, 3, 1000000, kDefault})
    ->Args({kVerses, 3, 1000000, kOrdinal})
    ->Args({kRuns, 1, 100, kDefault})
    ->Args({kRuns, 3, 100, kDefault})
    ->Args({kRuns, 3, 100, kOrdinal})
    ->Args({kRuns, 2, 1000, kDefault})
    ->Args({kRuns, 3, 2701, kDefault})
    ->Args({kRuns, 3, 1000000, kDefault})
    ->Args({kWords, 3, 913, kDefault})
    ->Args({kWords, 3, 913, kAtbash})
    ->Args({kWords, 3, 2701, kDefault})
    ->Args({kWords, 3, 26, kDefault})
    ->Args({kWords, 3, 26, kOrdinal})
    ->Args({kWords, 3, 1000000, kDefault})
    ->Args({kWords, 3, 1000000, kOrdinal})
    ->Args({kPhrases, 3, 2701, kDefault})
    ->Args({kPhrases, 3, 2701, kAtbash})
    ->Args({kPhrases, 3, 913, kDefault})
    ->Args({kPhrases, 3, 26, kDefault})
    ->Args({kPhrases, 3, 26, kOrdinal})
    ->Args({kPhrases, 3, 1000000, kDefault})
    ->Args({kPhrases, 3, 1000000, kOrdinal});

/// A word or phrase search for 913 under one method (args: match, method), the
/// whole search as the window runs it: records read, the method's values
/// computed from Hebrew.txt, report written. Each method pairs with Standard,
/// whose values come from Hebrew.txt as well.
void MethodSearch(benchmark::State& state) {
    EventYields observer;
    vellumark::SearchRequest request{gAppPath, "bench", "", 913};
    request.match = static_cast<vellumark::Match>(state.range(0));
    request.method = static_cast<vellumark::Method>(state.range(1));
    request.allMethods = state.range(1) < 0;
    vellumark::SearchResult result;
    for (auto _ : state) result = vellumark::RunSearch(request, observer);
    state.counters["hits"] = static_cast<double>(result.hits);
}
/// Every search method, then All methods (method -1), for words and phrases.
void EveryMethod(benchmark::internal::Benchmark* bench) {
    for (int match : {kWords, kPhrases}) {
        for (vellumark::Method method : vellumark::kMethods)
            if (vellumark::IsSearchMethod(method)) bench->Args({match, static_cast<int>(method)});
        bench->Args({match, -1});
    }
}
BENCHMARK(MethodSearch)
    ->Unit(benchmark::kMillisecond)
    ->ArgNames({"match", "method"})
    ->Apply(EveryMethod);

/// Reading and decoding the record files once, for a batch of searches.
void LoadSearchData(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(vellumark::SearchData(gAppPath).verseCount());
}
BENCHMARK(LoadSearchData)->Unit(benchmark::kMillisecond);

/// One method's values of the whole text from the letters of Hebrew.txt, the
/// file read included.
void ComputeMethodValues(benchmark::State& state) {
    const vellumark::SearchData data(gAppPath);
    const auto method = static_cast<vellumark::Method>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(vellumark::ComputeMethodValues(data, method).words.size());
}
BENCHMARK(ComputeMethodValues)->Unit(benchmark::kMillisecond)->ArgName("method")->Arg(kOrdinal);

/// Counts hits: the cheapest sink.
class CountingSink : public vellumark::HitSink {
public:
    void add(const vellumark::Hit&) override { ++hits; }
    long hits = 0;
};

/// A batch: the data read once, then the word searches for the values 1 to
/// 1,000 (args: match, method), their hits counted.
void SearchBatch(benchmark::State& state) {
    vellumark::SearchObserver observer;
    vellumark::SearchRequest request{gAppPath, "bench", "", 0};
    request.match = static_cast<vellumark::Match>(state.range(0));
    request.method = static_cast<vellumark::Method>(state.range(1));
    CountingSink sink;
    for (auto _ : state) {
        sink.hits = 0;
        const vellumark::SearchData data(gAppPath);
        for (request.value = 1; request.value <= 1000; ++request.value)
            vellumark::RunSearch(request, data, sink, observer);
    }
    state.counters["hits"] = static_cast<double>(sink.hits);
}
BENCHMARK(SearchBatch)
    ->Unit(benchmark::kMillisecond)
    ->ArgNames({"match", "method"})
    ->Args({kWords, kDefault})
    ->Args({kWords, kOrdinal})
    ->Args({kPhrases, kDefault});

/// The floor for report writing: the bytes of the largest report, written plainly.
void WriteSameBytes(benchmark::State& state) {
    EventYields observer;
    vellumark::SearchRequest request{gAppPath, "bench", "", 26};
    vellumark::RunSearch(request, observer);
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
    return bench::RunOverRealData(argc, argv, "vellumark-bench", gAppPath);
}

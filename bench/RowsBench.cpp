// The rows and the report of one search on the real data, in process, with the
// record files and the verse texts already loaded (as the window and a batch
// hold them). A report's x_floor is its CPU time over its floor's: the record
// files read, decoded and summed, and the report's bytes written as a report
// is. Run: build/testing/bin/vellumark_rows_bench
#include "data/AppPaths.h"
#include "data/AtomicFile.h"
#include "data/VerseTexts.h"
#include "search/HitRows.h"
#include "search/RowWriters.h"
#include "search/SearchData.h"
#include "search/Searches.h"

#include "BenchMain.h"
#include "Floor.h"
#include "FloorCounter.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <memory>

namespace {

std::string gAppPath;
std::unique_ptr<vellumark::SearchData> gData;

const vellumark::SearchData& Data() {
    if (!gData) gData = std::make_unique<vellumark::SearchData>(gAppPath);
    return *gData;
}

/// Words 26 (6,565 hits) as rows of one format (arg: RowFormat), appended to
/// one buffer; the first run, outside the timing, works out the plain English.
void Rows(benchmark::State& state) {
    const auto format = static_cast<vellumark::RowFormat>(state.range(0));
    const vellumark::SearchData& data = Data();
    vellumark::SearchRequest request{gAppPath, {}, {}, 26};
    vellumark::SearchObserver observer;
    std::string out;
    long rows = 0;
    auto run = [&] {
        out.clear();
        vellumark::RowWriter writer(format, out);
        vellumark::RowSink sink(data, [&](const vellumark::HitRow& row) {
            writer.row(row);
            ++rows;
        });
        sink.setRequest(request);
        writer.begin();
        vellumark::RunSearch(request, data, sink, observer);
        writer.finish();
    };
    run();
    for (auto _ : state) {
        rows = 0;
        run();
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["bytes"] = static_cast<double>(out.size());
}
BENCHMARK(Rows)
    ->Unit(benchmark::kMillisecond)
    ->ArgName("format")
    ->Arg(static_cast<int>(vellumark::RowFormat::Csv))
    ->Arg(static_cast<int>(vellumark::RowFormat::Json));

/// Counts hits: the scan alone, what Rows adds its rows to.
class CountingSink : public vellumark::HitSink {
public:
    void add(const vellumark::Hit&) override { ++hits; }
    long hits = 0;
};

void ScanOnly(benchmark::State& state) {
    const vellumark::SearchData& data = Data();
    vellumark::SearchRequest request{gAppPath,
                                     {},
                                     {},
                                     static_cast<std::int32_t>(state.range(1)),
                                     static_cast<vellumark::Match>(state.range(0))};
    vellumark::SearchObserver observer;
    CountingSink sink;
    for (auto _ : state) vellumark::RunSearch(request, data, sink, observer);
}
BENCHMARK(ScanOnly)
    ->Unit(benchmark::kMillisecond)
    ->ArgNames({"match", "value"})
    ->Args({static_cast<int>(vellumark::Match::Words), 26})
    ->Args({static_cast<int>(vellumark::Match::Phrases), 2701});

/// The bytes of a report written under a temporary name put in place.
void WritePlain(const std::string& bytes) {
    vellumark::AtomicFile out(vellumark::ReportPath(gAppPath, "plain"));
    out.write(bytes);
    out.commit();
}

/// The report of a benchmark's args (match, value).
vellumark::SearchRequest ReportRequest(const benchmark::State& state) {
    return {gAppPath, "bench", "", static_cast<std::int32_t>(state.range(1)),
            static_cast<vellumark::Match>(state.range(0))};
}

/// The report's bytes, written once.
std::string ReportBytes(const vellumark::SearchRequest& request) {
    vellumark::SearchObserver observer;
    vellumark::RunSearch(request, Data(), observer);
    std::ifstream in(vellumark::ReportPath(gAppPath, request.reportName), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

/// The HTML report of words 26 or phrases 2701 (arg: match, value) written in
/// process with the data and texts loaded.
void HtmlReport(benchmark::State& state) {
    const vellumark::SearchData& data = Data();
    const vellumark::SearchRequest request = ReportRequest(state);
    const std::string bytes = ReportBytes(request);
    const double floor = bench::LeastCpuSeconds([&] {
        benchmark::DoNotOptimize(bench::ReadDecodeSum(gAppPath));
        WritePlain(bytes);
    });
    vellumark::SearchObserver observer;
    for (auto _ : state) vellumark::RunSearch(request, data, observer);
    state.counters["x_floor"] = bench::OverFloor(floor);
}
BENCHMARK(HtmlReport)
    ->Unit(benchmark::kMillisecond)
    ->ArgNames({"match", "value"})
    ->Args({static_cast<int>(vellumark::Match::Words), 26})
    ->Args({static_cast<int>(vellumark::Match::Phrases), 2701});

/// The part of HtmlReport's floor that writes: the same report's bytes.
void HtmlReportWrite(benchmark::State& state) {
    const std::string bytes = ReportBytes(ReportRequest(state));
    for (auto _ : state) WritePlain(bytes);
    state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(HtmlReportWrite)
    ->Unit(benchmark::kMillisecond)
    ->ArgNames({"match", "value"})
    ->Args({static_cast<int>(vellumark::Match::Words), 26})
    ->Args({static_cast<int>(vellumark::Match::Phrases), 2701});

/// Reading and indexing the two text files, once per new program folder.
void LoadVerseTexts(benchmark::State& state) {
    for (auto _ : state) {
        const vellumark::VerseTexts texts(gAppPath);
        benchmark::DoNotOptimize(texts.hebrewText({39, 3, 24}).size());
        benchmark::DoNotOptimize(texts.english({39, 3, 24}).anchor);
    }
}
BENCHMARK(LoadVerseTexts)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    const int status = bench::RunOverRealData(argc, argv, "vellumark-rows-bench", gAppPath);
    gData.reset();
    return status;
}

// The Results window's Find on the real data, from the value as typed to the
// model ready with its first screen of rows: the input checked, the search run
// over data read once, the rows made, the title and the model set, the texts
// of the first rows looked up. Run: build/testing/bin/vellumark_find_bench
#include "search/EqualValues.h"
#include "search/SearchData.h"
#include "window/results/FindInput.h"
#include "window/results/ResultsModel.h"

#include "BenchMain.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::string gAppPath;
std::shared_ptr<const vellumark::SearchData> gData;

/// Args: match, value, method (-1: All methods).
void Find(benchmark::State& state) {
    if (!gData) gData = std::make_shared<const vellumark::SearchData>(gAppPath);
    vellumark::FindFields fields;
    fields.match = static_cast<vellumark::Match>(state.range(0));
    fields.text = QString::number(state.range(1));
    fields.allMethods = state.range(2) < 0;
    if (!fields.allMethods) fields.method = static_cast<vellumark::Method>(state.range(2));
    ResultsModel model;
    vellumark::SearchObserver observer;
    std::size_t rows = 0;
    for (auto _ : state) {
        const vellumark::FindCheck check = vellumark::CheckFind(fields, gAppPath);
        if (!check.passed()) state.SkipWithError(check.message.toStdString().c_str());
        vellumark::ResultRowSink sink(check.request.match);
        vellumark::ResultSet results;
        results.request = check.request;
        vellumark::RunSearch(check.request, *gData, sink, observer);
        results.hits = std::move(sink.hits);
        results.rows = std::move(sink.rows);
        const vellumark::VerseScope whole{gData->ids().front(), gData->ids().back()};
        benchmark::DoNotOptimize(vellumark::DescribeResults(results, whole));
        rows = results.rows.size();
        model.setResults(std::move(results), gData);
        // The rows a window shows at first.
        for (int row = 0; row < std::min(model.rowCount(), 30); ++row) {
            benchmark::DoNotOptimize(model.data(model.index(row, ResultsModel::Hebrew)));
            benchmark::DoNotOptimize(model.data(model.index(row, ResultsModel::English)));
        }
    }
    state.counters["rows"] = static_cast<double>(rows);
}

constexpr int kWords = static_cast<int>(vellumark::Match::Words);
constexpr int kPhrases = static_cast<int>(vellumark::Match::Phrases);
constexpr int kVerses = static_cast<int>(vellumark::Match::Verses);
constexpr int kStandardAndFinal = static_cast<int>(vellumark::Method::StandardAndFinal);
constexpr int kOrdinal = static_cast<int>(vellumark::Method::Ordinal);

BENCHMARK(Find)
    ->ArgNames({"match", "value", "method"})
    ->ArgsProduct({{kWords}, {913, 26}, {kStandardAndFinal, kOrdinal}})
    ->ArgsProduct({{kPhrases, kVerses}, {2701}, {kStandardAndFinal, kOrdinal}})
    ->Args({kWords, 913, -1})
    ->Unit(benchmark::kMillisecond);

/// The calculator's "Equal under other methods" for a text of three words
/// (בראשית ברא אלהים), the methods' values already computed, as after the
/// first count. Arg 0: its counts under every search method for its Standard
/// value; 1: the matrix of words for its value under every method.
void EqualUnderOtherMethods(benchmark::State& state) {
    if (!gData) gData = std::make_shared<const vellumark::SearchData>(gAppPath);
    const std::vector<std::string> words = {"בראשית", "ברא", "אלהים"};
    std::vector<std::pair<vellumark::Method, std::int64_t>> values;
    for (vellumark::Method method : vellumark::kMethods)
        values.emplace_back(method, vellumark::WordsValue(words, method));
    vellumark::CountEqualWords(*gData, values);
    for (auto _ : state) {
        if (state.range(0) == 0)
            benchmark::DoNotOptimize(vellumark::CountEqualValues(*gData, values[1].second, 3));
        else
            benchmark::DoNotOptimize(vellumark::CountEqualWords(*gData, values));
    }
}
BENCHMARK(EqualUnderOtherMethods)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    return bench::RunOverRealData(argc, argv, "vellumark-find-bench", gAppPath);
}

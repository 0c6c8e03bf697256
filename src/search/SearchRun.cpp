// The one skeleton of the four searches: open, head, scan, tail, commit.
#include "data/Books.h"
#include "data/Errors.h"
#include "search/HtmlReport.h"
#include "search/Scans.h"
#include "search/SearchData.h"
#include "search/Searches.h"

namespace vellumark {

namespace {

/// Counts the hits on their way to the sink.
class CountingSink : public HitSink {
public:
    explicit CountingSink(HitSink& sink) : sink_(sink) {}
    void begin() override { sink_.begin(); }
    void add(const Hit& hit) override {
        ++count;
        sink_.add(hit);
    }
    void finish() override { sink_.finish(); }

    long count = 0;

private:
    HitSink& sink_;
};

/// The data's positions of the scope's first and last verse.
std::pair<std::size_t, std::size_t> ScopePositions(const SearchData& data,
                                                   const VerseScope& scope) {
    const std::optional<std::size_t> first = data.find(scope.first);
    const std::optional<std::size_t> last = first ? data.find(scope.last, *first) : first;
    if (!last) {
        auto name = [](const VerseId& id) { return VerseName(id.book, id.chapter, id.verse); };
        throw DataError(data.lineDataPath() + ": the verses from " + name(scope.first) + " to " +
                        name(scope.last) + " were not found in file order.");
    }
    return {*first, *last};
}

}  // namespace

bool UsesMethod(const SearchRequest& request) {
    return request.match == Match::Words || request.match == Match::Phrases ||
           request.searchType == kGematria;
}

SearchResult RunSearch(const SearchRequest& request, const SearchData& data, HitSink& sink,
                       SearchObserver& observer) {
    // The values and the scope are settled before the sink opens anything.
    const Method method = UsesMethod(request) ? request.method : Method::StandardAndFinal;
    ScanInput in{data, data.values(method), 0, data.verseCount() - 1};
    if (request.scope) std::tie(in.first, in.last) = ScopePositions(data, *request.scope);

    CountingSink counting(sink);
    counting.begin();
    SearchResult result;
    if (request.match == Match::VerseRuns) {
        result.killed =
            MatchMultipleLine(in, request.value, request.searchType, counting, observer);
    } else {
        observer.processingShown(true);
        switch (request.match) {
            case Match::Verses:
                MatchSingleLine(in, request.value, request.searchType, counting);
                break;
            case Match::Words:
                MatchSingleWord(in, request.value, counting);
                break;
            default:
                MatchMultipleWord(in, request.value, counting);
                break;
        }
        observer.processingShown(false);
    }
    counting.finish();
    result.hits = counting.count;
    return result;
}

SearchResult RunSearch(const SearchRequest& request, const SearchData& data,
                       SearchObserver& observer) {
    HtmlReport report(request);
    SearchResult result = RunSearch(request, data, report, observer);
    result.reportPath = report.path();
    return result;
}

SearchResult RunSearch(const SearchRequest& request, HitSink& sink, SearchObserver& observer) {
    // One search reads the records only as far as its range goes.
    const SearchData data(request.appPath, request.scope
                                               ? std::optional<VerseId>(request.scope->last)
                                               : std::nullopt);
    return RunSearch(request, data, sink, observer);
}

SearchResult RunSearch(const SearchRequest& request, SearchObserver& observer) {
    HtmlReport report(request);
    SearchResult result = RunSearch(request, report, observer);
    result.reportPath = report.path();
    return result;
}

}  // namespace vellumark

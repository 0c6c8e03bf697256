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

/// The data's positions of a typed range's first and last verse, which must be there.
Span RangePositions(const SearchData& data, const VerseScope& range) {
    const std::optional<std::size_t> first = data.find(range.first);
    const std::optional<std::size_t> last = first ? data.find(range.last, *first) : first;
    if (!last) {
        auto name = [](const VerseId& id) { return VerseName(id.book, id.chapter, id.verse); };
        throw DataError(data.lineDataPath() + ": the verses from " + name(range.first) + " to " +
                        name(range.last) + " were not found in file order.");
    }
    return {*first, *last};
}

/// The stretches of the data's verses in the scope's ranges, each within one range.
std::vector<Span> ScopePositions(const SearchData& data, const Scope& scope) {
    if (scope.name.empty() && scope.ranges.size() == 1)
        return {RangePositions(data, scope.ranges.front())};
    std::vector<Span> spans;
    std::size_t current = scope.ranges.size();  // the range of the last verse, if any
    const std::vector<VerseId>& ids = data.ids();
    for (std::size_t v = 0; v < ids.size(); ++v) {
        std::size_t in = 0;
        while (in < scope.ranges.size() &&
               !(scope.ranges[in].first <= ids[v] && ids[v] <= scope.ranges[in].last))
            ++in;
        if (in != scope.ranges.size() && in == current && spans.back().last + 1 == v)
            spans.back().last = v;
        else if (in != scope.ranges.size())
            spans.push_back({v, v});
        current = in;
    }
    if (spans.empty())
        throw DataError(data.lineDataPath() + ": no verse of the scope " + scope.name +
                        " is in the data.");
    return spans;
}

}  // namespace

ScanInput ScanInputOf(const SearchRequest& request, const SearchData& data) {
    const Method method = UsesMethod(request) ? request.method : Method::StandardAndFinal;
    ScanInput in{data, data.values(method), 0, data.verseCount() - 1, {}};
    in.ranges = request.scope ? ScopePositions(data, *request.scope)
                              : std::vector<Span>{{in.first, in.last}};
    in.first = in.ranges.front().first;
    in.last = in.ranges.front().last;
    return in;
}

bool UsesMethod(const SearchRequest& request) {
    return request.match == Match::Words || request.match == Match::Phrases ||
           request.searchType == kGematria;
}

SearchResult RunSearch(const SearchRequest& request, const SearchData& data, HitSink& sink,
                       SearchObserver& observer) {
    // The values and the scope are settled before the sink opens anything.
    ScanInput in = ScanInputOf(request, data);

    CountingSink counting(sink);
    counting.begin();
    SearchResult result;
    if (request.match == Match::VerseRuns) {
        result.killed =
            MatchMultipleLine(in, request.value, request.searchType, counting, observer);
    } else {
        observer.processingShown(true);
        for (const Span& range : in.ranges) {
            in.first = range.first;
            in.last = range.last;
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
        }
        observer.processingShown(false);
    }
    counting.finish();
    result.hits = counting.count;
    return result;
}

SearchResult RunSearch(const SearchRequest& request, const SearchData& data,
                       SearchObserver& observer) {
    HtmlReport report(request, data.texts());
    SearchResult result = RunSearch(request, data, report, observer);
    result.reportPath = report.path();
    return result;
}

SearchResult RunSearch(const SearchRequest& request, HitSink& sink, SearchObserver& observer) {
    // One search reads the records only as far as its range goes.
    const bool typedRange = request.scope && request.scope->name.empty();
    const SearchData data(
        request.appPath,
        typedRange ? std::optional<VerseId>(request.scope->ranges.back().last) : std::nullopt,
        request.reading);
    return RunSearch(request, data, sink, observer);
}

SearchResult RunSearch(const SearchRequest& request, SearchObserver& observer) {
    HtmlReport report(request);
    SearchResult result = RunSearch(request, report, observer);
    result.reportPath = report.path();
    return result;
}

}  // namespace vellumark

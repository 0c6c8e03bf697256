// The one skeleton of the four searches: open, head, scan, tail, commit.
#include "data/Books.h"
#include "data/Errors.h"
#include "search/HtmlReport.h"
#include "search/Scans.h"
#include "search/SearchData.h"
#include "search/Searches.h"

namespace vellumark {

namespace {

/// Counts the hits on their way to the sink, each named by the method it was found under.
class CountingSink : public HitSink {
public:
    explicit CountingSink(HitSink& sink) : sink_(sink) {}
    void begin() override { sink_.begin(); }
    void add(const Hit& hit) override {
        ++count;
        if (hit.method == method) {
            sink_.add(hit);
            return;
        }
        Hit named = hit;
        named.method = method;
        sink_.add(named);
    }
    void finish() override { sink_.finish(); }

    long count = 0;
    Method method = Method::StandardAndFinal;

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
    const Method method = SearchMethods(request).front();
    if (!IsSearchMethod(method)) {
        throw DataError(std::string(MethodName(method)) +
                        " cannot be searched: it is the digital root of a whole text, not a sum "
                        "of its words. It is offered in the calculator and in Range Totals.");
    }
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

std::vector<Method> SearchMethods(const SearchRequest& request) {
    if (!UsesMethod(request)) return {Method::StandardAndFinal};
    if (!request.allMethods) return {request.method};
    std::vector<Method> methods;
    for (Method method : kMethods)
        if (IsSearchMethod(method)) methods.push_back(method);
    return methods;
}

SearchResult RunSearch(const SearchRequest& request, const SearchData& data, HitSink& sink,
                       SearchObserver& observer) {
    // The values and the scope are settled before the sink opens anything.
    const ScanInput in = ScanInputOf(request, data);
    const std::vector<Method> methods = SearchMethods(request);
    data.prepare(methods);

    CountingSink counting(sink);
    counting.begin();
    SearchResult result;
    for (Method method : methods) {
        ScanInput scan{data, data.values(method), in.first, in.last, in.ranges};
        counting.method = method;
        if (request.match == Match::VerseRuns) {
            result.killed =
                MatchMultipleLine(scan, request.value, request.searchType, counting, observer);
            if (result.killed) break;
            continue;
        }
        observer.processingShown(true);
        for (const Span& range : in.ranges) {
            scan.first = range.first;
            scan.last = range.last;
            switch (request.match) {
                case Match::Verses:
                    MatchSingleLine(scan, request.value, request.searchType, counting);
                    break;
                case Match::Words:
                    MatchSingleWord(scan, request.value, counting);
                    break;
                default:
                    MatchMultipleWord(scan, request.value, counting);
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

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

ScanInput ScanInputOf(const SearchRequest& request, const SearchData& data) {
    const Method method = SearchMethods(request).front();
    if (!IsSearchMethod(method)) {
        throw DataError(std::string(MethodName(method)) +
                        " cannot be searched: it is the digital root of a whole text, not a sum "
                        "of its words. It is offered in the calculator and in Range Totals.");
    }
    ScanInput in{data, data.values(method), 0, data.verseCount() - 1};
    if (request.scope) std::tie(in.first, in.last) = ScopePositions(data, *request.scope);
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
        const ScanInput scan{data, data.values(method), in.first, in.last};
        counting.method = method;
        if (request.match == Match::VerseRuns) {
            result.killed =
                MatchMultipleLine(scan, request.value, request.searchType, counting, observer);
            if (result.killed) break;
            continue;
        }
        observer.processingShown(true);
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

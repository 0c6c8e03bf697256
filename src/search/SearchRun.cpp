// The one skeleton of the four searches: open, head, scan, tail, commit.
#include "data/RecordFiles.h"
#include "search/HtmlReport.h"
#include "search/Scans.h"
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

}  // namespace

SearchResult RunSearch(const SearchRequest& request, HitSink& sink, SearchObserver& observer) {
    RecordFiles data(request.appPath);
    CountingSink counting(sink);
    counting.begin();
    SearchResult result;
    if (request.match == Match::VerseRuns) {
        result.killed =
            MatchMultipleLine(data, request.value, request.searchType, counting, observer);
    } else {
        observer.processingShown(true);
        switch (request.match) {
            case Match::Verses:
                MatchSingleLine(data, request.value, request.searchType, counting);
                break;
            case Match::Words:
                MatchSingleWord(data, request.value, counting);
                break;
            default:
                MatchMultipleWord(data, request.value, counting);
                break;
        }
        observer.processingShown(false);
    }
    counting.finish();
    result.hits = counting.count;
    return result;
}

SearchResult RunSearch(const SearchRequest& request, SearchObserver& observer) {
    HtmlReport report(request);
    SearchResult result = RunSearch(request, report, observer);
    result.reportPath = report.path();
    return result;
}

}  // namespace vellumark

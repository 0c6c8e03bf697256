#include "data/FieldDecoding.h"
#include "search/RunningSums.h"
#include "search/Scans.h"
#include "search/Searches.h"

#include <algorithm>
#include <typeinfo>
#include <vector>

namespace vellumark {

namespace {

/// Per start verse from `first` to `end`, the first verse after it of a later
/// book (or `end`): a run stops before it. Books come in order in sound data;
/// the rule holds whatever their order.
std::vector<std::size_t> BookEnds(const std::vector<VerseId>& ids, std::size_t first,
                                  std::size_t end) {
    std::vector<std::size_t> ends(end > first ? end - first : 0);
    std::vector<std::size_t> later;  // verses ahead, their books rising from the top down
    for (std::size_t i = end; i-- > first;) {
        while (!later.empty() && ids[later.back()].book <= ids[i].book) later.pop_back();
        ends[i - first] = later.empty() ? end : later.back();
        later.push_back(i);
    }
    return ends;
}

}  // namespace

bool IsKnownType(std::int16_t searchType) {
    return searchType == kWordCount || searchType == kLetterCount || searchType == kGematria;
}

const std::int32_t* MeasureOf(const ScanInput& in, std::int16_t searchType) {
    switch (searchType) {
        case kWordCount:
            return in.data.wordCounts().data();
        case kLetterCount:
            return in.data.letterCounts().data();
        default:
            return in.values.verses.data();
    }
}

namespace {

/// The verse runs that start in `range` and end in it; true when Kill Process
/// stopped them. `done`: the start verses of the ranges before, for the bar.
bool RunsOfRange(const ScanInput& in, const Span& range, std::int32_t intValue,
                 std::int16_t intSearchType, HitSink& sink, SearchObserver& observer, bool yields,
                 std::size_t done) {
    const std::size_t end = range.last + 1;
    const std::vector<VerseId>& ids = in.data.ids();
    const std::vector<std::size_t> bookEnds = BookEnds(ids, range.first, end);
    const auto* const measure = MeasureOf(in, intSearchType);
    const auto* const second = in.values.verseAlternates.data();
    // The alternative gematria can complete a run only where it differs.
    const bool withSecond = intSearchType == kGematria && in.values.alternate;
    RunningSum sum(end, intValue, [measure](std::size_t j) { return measure[j]; });
    RunningSum secondSum(end, intValue, [second](std::size_t j) { return second[j]; });
    for (std::size_t i = range.first; i < end; ++i) {
        if (yields) {
            // The one place where the window handles its events, Kill Process among them.
            observer.processEvents();
            if (observer.killRequested()) return true;
        }
        // The shortest run from i that matches: up to the verse where the sum
        // reaches the value, which ends it, and within the book of i. The
        // alternative sum matches only before that verse; at it the sum wins.
        const std::size_t bookEnd = bookEnds[i - range.first];
        const std::size_t j = sum.from(i);
        std::size_t hitEnd = j < bookEnd && sum.sum() == intValue ? j : end;
        bool alternate = false;
        if (withSecond) {
            const std::size_t k = secondSum.from(i);
            if (k < j && k < bookEnd && secondSum.sum() == intValue) {
                hitEnd = k;
                alternate = true;
            }
        }
        if (hitEnd != end) {
            Hit hit;
            hit.verse = ids[i];
            hit.runEnd = ids[hitEnd];
            hit.furtherVerses = NarrowTo16(static_cast<std::int32_t>(hitEnd - i), "run length",
                                           in.data.lineDataPath());
            hit.alternate = alternate;
            sink.add(hit);
        }
        if (yields) observer.progressValue(static_cast<int>(done + i - range.first));
    }
    return false;
}

}  // namespace

void MatchSingleLine(const ScanInput& in, std::int32_t intValue, std::int16_t intSearchType,
                     HitSink& sink) {
    if (!IsKnownType(intSearchType)) return;
    const std::int32_t* const measure = MeasureOf(in, intSearchType);
    const std::int32_t* const second = in.values.verseAlternates.data();
    const bool withAlternate = intSearchType == kGematria && in.values.alternate;
    for (std::size_t v = in.first; v <= in.last; ++v) {
        // Measures are compared at their full width: a value above 32,767 in a
        // record cannot wrap round into a false hit.
        const bool primary = measure[v] == intValue;
        const bool alternate = withAlternate && second[v] == intValue;
        if (!primary && !alternate) continue;
        Hit hit;
        hit.verse = in.data.ids()[v];
        hit.alternate = alternate;
        sink.add(hit);
    }
}

bool MatchMultipleLine(const ScanInput& in, std::int32_t intValue, std::int16_t intSearchType,
                       HitSink& sink, SearchObserver& observer) {
    observer.resetKill();
    // Every verse of the data, or of the ranges, starts runs; the bar counts
    // the start verses from 0.
    const std::vector<Span> ranges =
        in.ranges.empty() ? std::vector<Span>{{in.first, in.last}} : in.ranges;
    std::size_t starts = 0;
    for (const Span& range : ranges) starts += range.last + 1 - range.first;
    observer.progressPrepared(static_cast<int>(std::max<std::size_t>(starts, 1)) - 1);
    if (!IsKnownType(intSearchType)) return false;

    // A plain observer shows nothing and never kills: the scan skips its calls.
    const bool yields = typeid(observer) != typeid(SearchObserver);
    observer.progressShown(true);
    bool killed = false;
    std::size_t done = 0;
    for (const Span& range : ranges) {
        killed = RunsOfRange(in, range, intValue, intSearchType, sink, observer, yields, done);
        if (killed) break;
        done += range.last + 1 - range.first;
    }
    observer.progressShown(false);
    if (killed) observer.resetKill();
    return killed;
}

}  // namespace vellumark

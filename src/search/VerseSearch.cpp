#include "data/FieldDecoding.h"
#include "search/Scans.h"
#include "search/Searches.h"

#include <algorithm>

namespace vellumark {

namespace {

/// Each verse's value of the measure: its count from the records, or its
/// gematria by the scan's method.
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

bool IsKnownType(std::int16_t searchType) {
    return searchType == kWordCount || searchType == kLetterCount || searchType == kGematria;
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
    // At most kVerseCount verses are searched; the bar counts the start
    // verses of the range, or of the whole text.
    const std::size_t end = std::min(in.last + 1, kVerseCount);
    const std::size_t starts = end > in.first ? end - in.first : 0;
    observer.progressPrepared(in.scoped ? static_cast<int>(std::max<std::size_t>(starts, 1)) - 1
                                        : static_cast<int>(kVerseCount) - 1);
    if (!IsKnownType(intSearchType)) return false;

    const std::vector<VerseId>& ids = in.data.ids();
    const std::int32_t* const measure = MeasureOf(in, intSearchType);
    const std::int32_t* const second = in.values.verseAlternates.data();
    observer.progressShown(true);

    bool killed = false;
    for (std::size_t i = in.first; i < end; ++i) {
        // The one place where the window handles its events, Kill Process among them.
        observer.processEvents();
        if (observer.killRequested()) {
            killed = true;
            break;
        }
        // Sums are taken in 64 bits: computed values may be large in a damaged text.
        std::int64_t sum = 0;
        std::int64_t secondSum = 0;
        for (std::size_t j = i; j < end && ids[j].book <= ids[i].book; ++j) {
            sum += measure[j];
            secondSum += second[j];
            if (sum > intValue) break;
            const bool primaryHit = sum == intValue;
            if (intSearchType != kGematria && !primaryHit) continue;
            if (intSearchType == kGematria && !primaryHit && secondSum != intValue) continue;
            Hit hit;
            hit.verse = ids[i];
            hit.runEnd = ids[j];
            hit.furtherVerses =
                NarrowTo16(static_cast<std::int32_t>(j - i), "run length", in.data.lineDataPath());
            hit.alternate = !primaryHit;
            sink.add(hit);
            break;
        }
        observer.progressValue(static_cast<int>(in.scoped ? i - in.first : i));
    }
    observer.progressShown(false);
    if (killed) observer.resetKill();
    return killed;
}

}  // namespace vellumark

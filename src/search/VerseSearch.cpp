#include "data/FieldDecoding.h"
#include "data/RecordFiles.h"
#include "search/Scans.h"
#include "search/Searches.h"

#include <vector>

namespace vellumark {

namespace {

VerseRecord::Field MeasureOf(std::int16_t searchType) {
    switch (searchType) {
        case kWordCount:
            return VerseRecord::WordCount;
        case kLetterCount:
            return VerseRecord::LetterCount;
        default:
            return VerseRecord::Gematria;
    }
}

bool IsKnownType(std::int16_t searchType) {
    return searchType == kWordCount || searchType == kLetterCount || searchType == kGematria;
}

}  // namespace

void MatchSingleLine(RecordFiles& data, std::int32_t intValue, std::int16_t intSearchType,
                     HitSink& sink) {
    if (!IsKnownType(intSearchType)) return;
    const VerseRecord::Field measure = MeasureOf(intSearchType);
    while (data.next()) {
        // Measures are compared at their full width: a value above 32,767 in a
        // record cannot wrap round into a false hit.
        const VerseRecord& record = data.record();
        const bool primary = record[measure] == intValue;
        const bool alternate =
            intSearchType == kGematria && record[VerseRecord::AltGematria] == intValue;
        if (!primary && !alternate) continue;
        Hit hit;
        hit.verse = data.id();
        hit.alternate = alternate;
        sink.add(hit);
    }
}

bool MatchMultipleLine(RecordFiles& data, std::int32_t intValue, std::int16_t intSearchType,
                       HitSink& sink, SearchObserver& observer) {
    observer.resetKill();
    observer.progressPrepared(static_cast<int>(kVerseCount) - 1);
    if (!IsKnownType(intSearchType)) return false;

    const VerseRecord::Field measureField = MeasureOf(intSearchType);
    std::vector<VerseId> ids;
    std::vector<std::int32_t> measure;
    std::vector<std::int32_t> second;
    ids.reserve(kVerseCount);
    measure.reserve(kVerseCount);
    second.reserve(kVerseCount);
    while (ids.size() < kVerseCount && data.next()) {
        ids.push_back(data.id());
        measure.push_back(data.record()[measureField]);
        second.push_back(data.record()[VerseRecord::AltGematria]);
    }
    const int count = static_cast<int>(ids.size());
    observer.progressShown(true);

    bool killed = false;
    for (int i = 0; i < count; ++i) {
        // The one place where the window handles its events, Kill Process among them.
        observer.processEvents();
        if (observer.killRequested()) {
            killed = true;
            break;
        }
        std::int32_t sum = 0;
        std::int32_t secondSum = 0;
        for (int j = i; j < count && ids[j].book <= ids[i].book; ++j) {
            sum += measure[j];
            secondSum += second[j];
            if (sum > intValue) break;
            const bool primaryHit = sum == intValue;
            if (intSearchType != kGematria && !primaryHit) continue;
            if (intSearchType == kGematria && !primaryHit && secondSum != intValue) continue;
            Hit hit;
            hit.verse = ids[i];
            hit.runEnd = ids[j];
            hit.furtherVerses = NarrowTo16(j - i, "run length", data.lineDataPath());
            hit.alternate = !primaryHit;
            sink.add(hit);
            break;
        }
        observer.progressValue(i);
    }
    observer.progressShown(false);
    if (killed) observer.resetKill();
    return killed;
}

}  // namespace vellumark

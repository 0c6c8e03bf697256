#include "data/RecordFiles.h"
#include "search/Scans.h"

#include <algorithm>

namespace vellumark {

namespace {

/// Every phrase of the verse whose primary sum equals the value, or whose
/// alternate sum equals it and exceeds the primary sum: at most one, the
/// shortest, per start position.
void EvaluateVerse(const RecordFiles& data, std::int32_t value, HitSink& sink) {
    const WordList& words = data.block().words;
    const int last = static_cast<int>(words.size()) - 1;
    for (int i = 0; i <= last; ++i) {
        std::int32_t primarySum = 0;
        std::int32_t alternateSum = 0;
        for (int j = i; j <= last; ++j) {
            primarySum += words[j].primary;
            alternateSum += words[j].alternate;
            if (primarySum > value) break;
            const bool primaryHit = primarySum == value;
            if (!primaryHit && !(alternateSum > primarySum && alternateSum == value)) continue;
            Hit hit;
            hit.verse = data.id();
            hit.wordCount = last + 1;
            hit.firstWord = i;
            hit.lastWord = j;
            hit.alternate = !primaryHit;
            sink.add(hit);
            break;
        }
    }
}

}  // namespace

void MatchSingleWord(RecordFiles& data, std::int32_t intValue, HitSink& sink) {
    Hit hit;
    while (data.next()) {
        const WordList& words = data.block().words;
        auto matches = [intValue](const WordValue& word) {
            return word.primary == intValue || (word.pair && word.alternate == intValue);
        };
        if (std::none_of(words.begin(), words.end(), matches)) continue;
        for (std::size_t k = 0; k < words.size(); ++k) {
            const WordValue& word = words[k];
            hit.marks[k] = word.pair && word.alternate == intValue ? 2
                           : word.primary == intValue              ? 1
                                                                   : 0;
        }
        hit.verse = data.id();
        hit.wordCount = static_cast<int>(words.size());
        sink.add(hit);
    }
}

void MatchMultipleWord(RecordFiles& data, std::int32_t intValue, HitSink& sink) {
    while (data.next()) EvaluateVerse(data, intValue, sink);
}

}  // namespace vellumark

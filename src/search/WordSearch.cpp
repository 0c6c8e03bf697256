#include "search/Scans.h"

#include "search/RunningSums.h"

#include <algorithm>

namespace vellumark {

namespace {

/// Every phrase of the verse whose primary sum equals the value, or whose
/// alternate sum equals it and exceeds the primary sum: at most one, the
/// shortest, per start position. The primary sum ends a phrase where it
/// reaches the value; before that it is below the value, so an alternate sum
/// equal to the value exceeds it there. `alternates`: some word of the
/// method has an alternate value of its own.
void EvaluateVerse(const ScanWord* words, int count, const VerseId& id, std::int32_t value,
                   bool alternates, HitSink& sink) {
    const auto end = static_cast<std::size_t>(count);
    RunningSum primary(end, value, [words](std::size_t j) { return words[j].primary; });
    RunningSum alternate(end, value, [words](std::size_t j) { return words[j].alternate; });
    for (std::size_t i = 0; i < end; ++i) {
        const std::size_t j = primary.from(i);
        std::size_t hitEnd = j < end && primary.sum() == value ? j : end;
        bool onAlternate = false;
        if (alternates) {
            const std::size_t k = alternate.from(i);
            if (k < j && alternate.sum() == value) {
                hitEnd = k;
                onAlternate = true;
            }
        }
        if (hitEnd == end) continue;
        Hit hit;
        hit.verse = id;
        hit.wordCount = count;
        hit.firstWord = static_cast<int>(i);
        hit.lastWord = static_cast<int>(hitEnd);
        hit.alternate = onAlternate;
        sink.add(hit);
    }
}

}  // namespace

void MatchSingleWord(const ScanInput& in, std::int32_t intValue, HitSink& sink) {
    const std::vector<std::uint32_t>& firstWords = in.data.firstWords();
    const ScanWord* const words = in.values.words.data();
    // A word's alternate is its value unless it is a pair, so either value
    // matching is a match; tested without a branch, as almost no word matches.
    auto matches = [intValue](const ScanWord& word) {
        return (word.primary == intValue) | (word.alternate == intValue);
    };
    // The words of the scope in one stretch: a match finds its verse, whose
    // words are then marked, and the search goes on after that verse.
    const ScanWord* const end = words + firstWords[in.last + 1];
    const ScanWord* p = words + firstWords[in.first];
    std::size_t v = in.first;
    Hit hit;
    while ((p = std::find_if(p, end, matches)) != end) {
        const auto k = static_cast<std::uint32_t>(p - words);
        while (firstWords[v + 1] <= k) ++v;
        const ScanWord* const verseWords = words + firstWords[v];
        const auto count = static_cast<int>(firstWords[v + 1] - firstWords[v]);
        for (int w = 0; w < count; ++w) {
            const ScanWord& word = verseWords[w];
            hit.marks[static_cast<std::size_t>(w)] = word.pair && word.alternate == intValue ? 2
                                                     : word.primary == intValue              ? 1
                                                                                             : 0;
        }
        hit.verse = in.data.ids()[v];
        hit.wordCount = count;
        sink.add(hit);
        p = verseWords + count;
    }
}

void MatchMultipleWord(const ScanInput& in, std::int32_t intValue, HitSink& sink) {
    const std::vector<std::uint32_t>& firstWords = in.data.firstWords();
    for (std::size_t v = in.first; v <= in.last; ++v) {
        EvaluateVerse(in.values.words.data() + firstWords[v],
                      static_cast<int>(firstWords[v + 1] - firstWords[v]), in.data.ids()[v],
                      intValue, in.values.alternate, sink);
    }
}

}  // namespace vellumark

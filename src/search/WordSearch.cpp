#include "search/Scans.h"

#include <algorithm>

namespace vellumark {

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

}  // namespace vellumark

#include "search/Scans.h"

#include <algorithm>

namespace vellumark {

namespace {

/// Hands the phrases of one verse after another to the sink in one Hit (its
/// word marks stay clear) rather than a fresh one per phrase.
class PhraseHits {
public:
    explicit PhraseHits(HitSink& sink) : sink_(sink) {}
    void verse(const VerseId& id, int count) {
        hit_.verse = id;
        hit_.wordCount = count;
    }
    void add(int first, int last, bool alternate) {
        hit_.firstWord = first;
        hit_.lastWord = last;
        hit_.alternate = alternate;
        sink_.add(hit_);
    }

private:
    HitSink& sink_;
    Hit hit_;
};

/// The first k from `from` on with sums[k] >= target, for a target the
/// verse's sums reach. Four sums are tried at once, as the end moves on by
/// one or two words at a time and a branch on each would often guess wrong;
/// those after the verse's last are never counted (the sums may read up to
/// three past it: WordSums leaves room).
inline int Reach(const std::int32_t* sums, int from, std::int64_t target) {
    for (;;) {
        const std::int32_t* p = sums + from;
        const int a0 = p[0] < target;
        const int a1 = a0 & (p[1] < target);
        const int a2 = a1 & (p[2] < target);
        const int a3 = a2 & (p[3] < target);
        from += a0 + a1 + a2 + a3;
        if (!a3) return from;
    }
}

/// The end of the phrase from start word i: the first k after i at which the
/// verse's running sums reach `target` (sums[k] - sums[i] adds up the words i
/// to k - 1). Word values are not negative, so the sums never fall and the
/// end only moves on: `next`, the end of an earlier start, is passed once for
/// all start words, taken in increasing order. A word that reaches the value
/// alone ends its phrase: under the methods of large letter values most do,
/// and the branch spares the wait for the second pointer.
inline int PhraseEnd(const std::int32_t* sums, int i, int next, std::int64_t target) {
    return sums[i + 1] >= target ? i + 1 : Reach(sums, std::max(next, i + 2), target);
}

/// Every phrase of a verse without pairs whose sum equals the value: at most
/// one, the shortest, per start word.
void EvaluatePlainVerse(const std::int32_t* sums, const std::uint64_t* filter, int count,
                        std::int64_t value, PhraseHits& hits) {
    const std::int64_t total = sums[count];
    int next = 1;
    for (int i = 0; i < count; ++i) {
        const std::int64_t target = sums[i] + value;
        // The phrases from here on fall short of the value.
        if (total < target) break;
        if (sums[i + 1] < target) {
            // No sum of the verse is the target: no phrase from here equals
            // the value.
            if (!SumFilterHas(filter, target)) continue;
        }
        next = PhraseEnd(sums, i, next, target);
        if (sums[next] == target) hits.add(i, next - 1, false);
    }
}

/// Every phrase of a verse with pairs whose primary sum equals the value, or
/// whose alternate sum equals it and exceeds the primary sum: at most one, the
/// shortest, per start word. The primary sum ends a phrase where it reaches
/// the value; before that it is below the value, so an alternate sum equal to
/// the value exceeds it there.
void EvaluatePairVerse(const std::int32_t* primary, const std::int32_t* alternate,
                       const std::uint64_t* primaryFilter, const std::uint64_t* alternateFilter,
                       int count, std::int64_t value, PhraseHits& hits) {
    int primaryNext = 1;
    int alternateNext = 1;
    for (int i = 0; i < count; ++i) {
        const std::int64_t primaryTarget = primary[i] + value;
        const std::int64_t alternateTarget = alternate[i] + value;
        const bool primaryReaches = primary[count] >= primaryTarget;
        const bool alternateReaches = alternate[count] >= alternateTarget;
        // Both sums fall short from here on.
        if (!primaryReaches && !alternateReaches) break;
        // Neither phrase can equal the value where no sum of the verse is its
        // target; a primary phrase of one word is found at once.
        if (!(primaryReaches && primary[i + 1] >= primaryTarget) &&
            !SumFilterHas(primaryFilter, primaryTarget) &&
            !SumFilterHas(alternateFilter, alternateTarget))
            continue;
        // The end of the primary phrase, past the verse when it falls short.
        int primaryEnd = count + 1;
        if (primaryReaches)
            primaryEnd = primaryNext = PhraseEnd(primary, i, primaryNext, primaryTarget);
        // An alternate phrase must end before the primary one: not when that
        // is one word.
        if (alternateReaches && primaryEnd > i + 1) {
            alternateNext = PhraseEnd(alternate, i, alternateNext, alternateTarget);
            if (alternateNext < primaryEnd && alternate[alternateNext] == alternateTarget) {
                hits.add(i, alternateNext - 1, true);
                continue;
            }
        }
        if (primaryReaches && primary[primaryEnd] == primaryTarget)
            hits.add(i, primaryEnd - 1, false);
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
    const WordSums& sums = in.data.wordSums(in.values);
    const std::int64_t value = intValue;
    PhraseHits hits(sink);
    for (std::size_t v = in.first; v <= in.last; ++v) {
        const std::size_t at = firstWords[v] + v;
        const auto count = static_cast<int>(firstWords[v + 1] - firstWords[v]);
        // A verse whose sums fall short of the value holds no phrase; only
        // verses with pairs need the alternate sums.
        if (sums.pairs[v]) {
            const std::int32_t* alternate = sums.alternate.data() + at;
            if (alternate[count] < value && sums.primary[at + count] < value) continue;
            hits.verse(in.data.ids()[v], count);
            EvaluatePairVerse(sums.primary.data() + at, alternate,
                              sums.primaryFilter.data() + 2 * v,
                              sums.alternateFilter.data() + 2 * v, count, value, hits);
        } else {
            const std::int32_t* primary = sums.primary.data() + at;
            if (primary[count] < value) continue;
            hits.verse(in.data.ids()[v], count);
            EvaluatePlainVerse(primary, sums.primaryFilter.data() + 2 * v, count, value, hits);
        }
    }
}

}  // namespace vellumark

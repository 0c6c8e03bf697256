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

/// The second pointer over a verse's running sums of one kind of value
/// (sums[k] - sums[i] adds up the words i to k - 1). Word values are not
/// negative, so the sums never fall and the end only moves on: the words are
/// passed once for all start words, taken in increasing order.
class PhraseEnd {
public:
    PhraseEnd(const std::int32_t* sums, int count, std::int64_t value)
        : sums_(sums), total_(sums[count]), value_(value) {}

    /// Whether the phrases from `start` to the verse's end reach the value.
    bool reaches(int start) const { return total_ - sums_[start] >= value_; }

    /// For a start that reaches(): the first end word at which the phrase's
    /// sum reaches the value.
    int reach(int start) {
        const std::int64_t target = sums_[start] + value_;
        next_ = Reach(sums_, std::max(next_, start + 1), target);
        equal_ = sums_[next_] == target;
        return next_ - 1;
    }
    /// Whether the sum at the last reach() equals the value.
    bool equal() const { return equal_; }

private:
    const std::int32_t* sums_;
    std::int64_t total_;
    std::int64_t value_;
    int next_ = 0;
    bool equal_ = false;
};

/// Every phrase of a verse without pairs whose sum equals the value: at most
/// one, the shortest, per start word.
void EvaluatePlainVerse(const std::int32_t* sums, int count, std::int64_t value, PhraseHits& hits) {
    const std::int64_t total = sums[count];
    int next = 1;
    for (int i = 0; i < count; ++i) {
        const std::int64_t target = sums[i] + value;
        // The phrases from here on fall short of the value.
        if (total < target) break;
        next = std::max(next, i + 1);
        next = Reach(sums, next, target);
        if (sums[next] == target) hits.add(i, next - 1, false);
    }
}

/// Every phrase of a verse with pairs whose primary sum equals the value, or
/// whose alternate sum equals it and exceeds the primary sum: at most one, the
/// shortest, per start word. The primary sum ends a phrase where it reaches
/// the value; before that it is below the value, so an alternate sum equal to
/// the value exceeds it there.
void EvaluatePairVerse(const std::int32_t* primarySums, const std::int32_t* alternateSums,
                       int count, std::int64_t value, PhraseHits& hits) {
    PhraseEnd primary(primarySums, count, value);
    PhraseEnd alternate(alternateSums, count, value);
    for (int i = 0; i < count; ++i) {
        const bool primaryReaches = primary.reaches(i);
        const bool alternateReaches = alternate.reaches(i);
        // Both sums fall short from here on.
        if (!primaryReaches && !alternateReaches) break;
        const int primaryEnd = primaryReaches ? primary.reach(i) : count;
        if (alternateReaches) {
            const int alternateEnd = alternate.reach(i);
            if (alternate.equal() && alternateEnd < primaryEnd) {
                hits.add(i, alternateEnd, true);
                continue;
            }
        }
        if (primaryReaches && primary.equal()) hits.add(i, primaryEnd, false);
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
            EvaluatePairVerse(sums.primary.data() + at, alternate, count, value, hits);
        } else {
            const std::int32_t* primary = sums.primary.data() + at;
            if (primary[count] < value) continue;
            hits.verse(in.data.ids()[v], count);
            EvaluatePlainVerse(primary, count, value, hits);
        }
    }
}

}  // namespace vellumark

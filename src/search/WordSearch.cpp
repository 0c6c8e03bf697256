#include "search/Scans.h"

#include <algorithm>

namespace vellumark {

namespace {

constexpr int kMaxWords = VerseBlock::kMaxWords;

/// The running sums of one kind of value over a verse: sums[k] adds up the
/// words before k, so the phrase of words i to j sums to sums[j + 1] - sums[i].
/// Word values are not negative, so the sums never fall.
class PhraseSums {
public:
    std::int64_t sums[kMaxWords + 1];

    /// Call once the sums of the verse's `count` words are in place.
    void prepare(int count, std::int64_t value) {
        value_ = value;
        // Phrases from the later start words fall short of the value.
        lastStart_ = count - 1;
        while (lastStart_ >= 0 && sums[count] - sums[lastStart_] < value) --lastStart_;
    }

    /// The last start word from which a phrase reaches the value, or -1.
    int lastStart() const { return lastStart_; }

    /// For start words up to lastStart(), taken in increasing order: the
    /// first end word at which the phrase's sum reaches the value. The end
    /// only moves on, so the words are added once for all starts.
    int reach(int start) {
        const std::int64_t target = sums[start] + value_;
        next_ = std::max(next_, start + 1);
        while (sums[next_] < target) ++next_;
        equal_ = sums[next_] == target;
        return next_ - 1;
    }
    /// Whether the sum at the last reach() equals the value.
    bool equal() const { return equal_; }

private:
    std::int64_t value_ = 0;
    int lastStart_ = -1;
    int next_ = 0;
    bool equal_ = false;
};

/// Every phrase of the verse whose primary sum equals the value, or whose
/// alternate sum equals it and exceeds the primary sum: at most one, the
/// shortest, per start word. The primary sum ends a phrase where it reaches
/// the value; before that it is below the value, so an alternate sum equal to
/// the value exceeds it there, and the phrase holds a word whose values
/// differ (a pair).
void EvaluateVerse(const ScanWord* words, int count, const VerseId& id, std::int64_t value,
                   HitSink& sink) {
    PhraseSums primary;
    PhraseSums alternate;
    primary.sums[0] = alternate.sums[0] = 0;
    bool pairs = false;
    for (int k = 0; k < count; ++k) {
        primary.sums[k + 1] = primary.sums[k] + words[k].primary;
        alternate.sums[k + 1] = alternate.sums[k] + words[k].alternate;
        pairs |= words[k].primary != words[k].alternate;
    }
    primary.prepare(count, value);
    alternate.prepare(pairs ? count : 0, value);
    const int lastStart = std::max(primary.lastStart(), alternate.lastStart());
    for (int i = 0; i <= lastStart; ++i) {
        const int primaryEnd = i <= primary.lastStart() ? primary.reach(i) : count;
        const bool onPrimary = primaryEnd < count && primary.equal();
        bool onAlternate = false;
        int alternateEnd = count;
        if (i <= alternate.lastStart()) {
            alternateEnd = alternate.reach(i);
            onAlternate = alternate.equal() && alternateEnd < primaryEnd;
        }
        if (!onPrimary && !onAlternate) continue;
        Hit hit;
        hit.verse = id;
        hit.wordCount = count;
        hit.firstWord = i;
        hit.lastWord = onAlternate ? alternateEnd : primaryEnd;
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
                      intValue, sink);
    }
}

}  // namespace vellumark

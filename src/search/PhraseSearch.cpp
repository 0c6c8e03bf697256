// The phrase search: per verse, the running sums of its word values, each
// start word's phrase found with a second pointer. Most start words are passed
// over after one look at the verse's filter of sums; where the processor has
// AVX2, eight start words are looked at in one step.
#include "search/Scans.h"
#include "search/WideSteps.h"

#include <algorithm>

#ifdef VELLUMARK_AVX2
#include <immintrin.h>
#endif

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
/// those after the verse's last are never counted (the sums may be read past
/// it: WordSums leaves room).
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

/// One verse's running sums and filters (see WordSums), and the pointers that
/// carry each kind's phrase end from one start word to the next. Word values
/// are not negative, so the sums never fall and the end of a later start's
/// phrase is never before an earlier one's: a kept end is where the next
/// search for one begins.
struct PhraseVerse {
    const std::int32_t* primary;
    const std::int32_t* alternate;  ///< null in a verse without pairs
    const std::uint32_t* primaryFilter;
    const std::uint32_t* alternateFilter;
    int count;
    std::int64_t value;
    int primaryNext = 1;
    int alternateNext = 1;
};

/// Start word i as the filters leave it: `one` when its own word reaches the
/// value's primary sum (its phrase is that word), `primaryMay` and
/// `alternateMay` when the sum the phrase would end at is in the filter.
/// Settles the start: at most one phrase, the shortest, whose primary sum
/// equals the value, or whose alternate sum equals it and exceeds the primary
/// sum. A phrase ending where the primary sum still falls short of the value
/// has an alternate sum above its primary one when that sum is the value.
inline void SettleStart(PhraseVerse& v, int i, bool one, bool primaryMay, bool alternateMay,
                        PhraseHits& hits) {
    const std::int64_t primaryTarget = v.primary[i] + v.value;
    if (one) {
        if (v.primary[i + 1] == primaryTarget) hits.add(i, i, false);
        return;
    }
    if (alternateMay) {
        const std::int64_t alternateTarget = v.alternate[i] + v.value;
        v.alternateNext =
            v.alternate[i + 1] >= alternateTarget
                ? i + 1
                : Reach(v.alternate, std::max(v.alternateNext, i + 2), alternateTarget);
        const int end = v.alternateNext;
        if (v.alternate[end] == alternateTarget && v.primary[end] < primaryTarget) {
            hits.add(i, end - 1, true);
            return;
        }
    }
    if (primaryMay) {
        v.primaryNext = Reach(v.primary, std::max(v.primaryNext, i + 2), primaryTarget);
        if (v.primary[v.primaryNext] == primaryTarget) hits.add(i, v.primaryNext - 1, false);
    }
}

/// Every start word of a verse, one at a time, without a branch on what the
/// filters say until a start is a candidate.
void ScanVerse(PhraseVerse& v, PhraseHits& hits) {
    const std::int64_t primaryTotal = v.primary[v.count];
    const std::int64_t alternateTotal = v.alternate ? v.alternate[v.count] : -1;
    for (int i = 0; i < v.count; ++i) {
        const std::int64_t primaryTarget = v.primary[i] + v.value;
        const unsigned primaryReaches = primaryTotal >= primaryTarget;
        unsigned alternateMay = 0;
        if (v.alternate) {
            const std::int64_t alternateTarget = v.alternate[i] + v.value;
            alternateMay = (alternateTotal >= alternateTarget) &
                           SumFilterHas(v.alternateFilter, alternateTarget);
            if (!primaryReaches && alternateTotal < alternateTarget) break;
        } else if (!primaryReaches) {
            break;
        }
        const unsigned one = v.primary[i + 1] >= primaryTarget;
        const unsigned primaryMay = primaryReaches & SumFilterHas(v.primaryFilter, primaryTarget);
        const unsigned candidate =
            (one & (v.primary[i + 1] == primaryTarget)) | (~one & (primaryMay | alternateMay));
        if (candidate) SettleStart(v, i, one, primaryMay, alternateMay, hits);
    }
}

#ifdef VELLUMARK_AVX2

static_assert(kSumFilterWords == 16, "the wide scan reads a filter as two halves of eight words");

/// Per lane of eight start words from `sums + i`: the target (the start's sum
/// plus the value), whether the verse reaches it, and whether its bit is in
/// the verse's filter. Sums and value are below 2^31, so a target fits 32
/// bits unsigned.
struct Lanes {
    __m256i target;
    __m256i reaches;
    __m256i inFilter;
};

__attribute__((target("avx2"))) inline Lanes LookAt(const std::int32_t* sums,
                                                    const std::uint32_t* filter, int i,
                                                    __m256i value, __m256i total) {
    Lanes lanes;
    const __m256i start = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(sums + i));
    lanes.target = _mm256_add_epi32(start, value);
    lanes.reaches = _mm256_cmpeq_epi32(_mm256_max_epu32(lanes.target, total), total);
    const __m256i bit = _mm256_srli_epi32(
        _mm256_mullo_epi32(lanes.target, _mm256_set1_epi32(static_cast<int>(kSumFilterMix))),
        32 - kSumFilterShift);
    // The filter's sixteen words as two halves of eight: each lane takes its
    // word from the half its bit lies in.
    const __m256i index = _mm256_srli_epi32(bit, 5);
    const __m256i low = _mm256_permutevar8x32_epi32(
        _mm256_loadu_si256(reinterpret_cast<const __m256i*>(filter)), index);
    const __m256i high = _mm256_permutevar8x32_epi32(
        _mm256_loadu_si256(reinterpret_cast<const __m256i*>(filter + 8)), index);
    const __m256i word =
        _mm256_blendv_epi8(low, high, _mm256_cmpgt_epi32(index, _mm256_set1_epi32(7)));
    const __m256i shifted = _mm256_srlv_epi32(word, _mm256_and_si256(bit, _mm256_set1_epi32(31)));
    lanes.inFilter =
        _mm256_cmpeq_epi32(_mm256_and_si256(shifted, _mm256_set1_epi32(1)), _mm256_set1_epi32(1));
    return lanes;
}

__attribute__((target("avx2"))) inline unsigned MaskOf(__m256i lanes) {
    return static_cast<unsigned>(_mm256_movemask_ps(_mm256_castsi256_ps(lanes)));
}

/// ScanVerse eight start words at a time: the candidates of a step are found
/// together and settled in order. A step with a start whose sums fall short
/// of the value on both kinds ends the verse, as every later start does too.
__attribute__((target("avx2"))) void ScanVerseWide(PhraseVerse& v, PhraseHits& hits) {
    const __m256i value = _mm256_set1_epi32(static_cast<int>(v.value));
    const __m256i primaryTotal = _mm256_set1_epi32(v.primary[v.count]);
    const __m256i alternateTotal = _mm256_set1_epi32(v.alternate ? v.alternate[v.count] : 0);
    const __m256i laneNumbers = _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7);
    for (int i = 0; i < v.count; i += 8) {
        const __m256i inVerse = _mm256_cmpgt_epi32(_mm256_set1_epi32(v.count - i), laneNumbers);
        const Lanes primary = LookAt(v.primary, v.primaryFilter, i, value, primaryTotal);
        const __m256i next =
            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(v.primary + i + 1));
        const __m256i one = _mm256_cmpeq_epi32(_mm256_max_epu32(primary.target, next), next);
        const __m256i equal = _mm256_cmpeq_epi32(next, primary.target);
        __m256i reaches = primary.reaches;
        __m256i may = _mm256_and_si256(primary.reaches, primary.inFilter);
        unsigned alternateMay = 0;
        if (v.alternate) {
            const Lanes alternate =
                LookAt(v.alternate, v.alternateFilter, i, value, alternateTotal);
            const __m256i alternateLanes = _mm256_and_si256(alternate.reaches, alternate.inFilter);
            alternateMay = MaskOf(alternateLanes);
            reaches = _mm256_or_si256(reaches, alternate.reaches);
            may = _mm256_or_si256(may, alternateLanes);
        }
        const __m256i candidate = _mm256_and_si256(
            inVerse, _mm256_or_si256(_mm256_and_si256(one, equal), _mm256_andnot_si256(one, may)));
        const unsigned oneMask = MaskOf(one);
        const unsigned primaryMay = MaskOf(_mm256_and_si256(primary.reaches, primary.inFilter));
        for (unsigned lanes = MaskOf(candidate); lanes; lanes &= lanes - 1) {
            const int lane = __builtin_ctz(lanes);
            SettleStart(v, i + lane, (oneMask >> lane) & 1, (primaryMay >> lane) & 1,
                        (alternateMay >> lane) & 1, hits);
        }
        if (MaskOf(_mm256_andnot_si256(reaches, inVerse))) break;
    }
}

#endif

/// A verse's sums and filters worked out as the scan reaches it, when none
/// are kept; the eight sums after a verse's last are read but never counted.
struct ScratchVerse {
    std::int32_t primary[VerseBlock::kMaxWords + 1 + 8] = {};
    std::int32_t alternate[VerseBlock::kMaxWords + 1 + 8] = {};
    std::uint32_t primaryFilter[kSumFilterWords] = {};
    std::uint32_t alternateFilter[kSumFilterWords] = {};
};

}  // namespace

void MatchMultipleWord(const ScanInput& in, std::int32_t intValue, HitSink& sink, ScanPath path) {
    const std::vector<std::uint32_t>& firstWords = in.data.firstWords();
    const WordSums* const kept = path == ScanPath::Portable      ? &in.data.wordSums(in.values)
                                 : path == ScanPath::FromScratch ? nullptr
                                                                 : in.data.keptWordSums(in.values);
    bool wide = false;
#ifdef VELLUMARK_AVX2
    wide = path != ScanPath::Portable && intValue >= 0 && HasAvx2();
#endif
    ScratchVerse scratch;
    PhraseHits hits(sink);
    for (std::size_t v = in.first; v <= in.last; ++v) {
        const auto count = static_cast<int>(firstWords[v + 1] - firstWords[v]);
        PhraseVerse verse{nullptr, nullptr, nullptr, nullptr, count, intValue};
        if (kept) {
            const std::size_t at = firstWords[v] + v;
            verse.primary = kept->primary.get() + at;
            verse.primaryFilter = kept->primaryFilter.get() + kSumFilterWords * v;
            if (kept->pairs[v]) {
                verse.alternate = kept->alternate.get() + at;
                verse.alternateFilter = kept->alternateFilter.get() + kSumFilterWords * v;
            }
        } else {
            const bool pair =
                VerseSums(in.values.words.data() + firstWords[v], static_cast<std::uint32_t>(count),
                          scratch.primary, in.values.alternate ? scratch.alternate : nullptr);
            verse.primary = scratch.primary;
            if (pair && in.values.alternate) verse.alternate = scratch.alternate;
        }
        // A verse whose sums fall short of the value holds no phrase; only
        // verses with pairs need the alternate sums.
        if (verse.primary[count] < intValue &&
            (!verse.alternate || verse.alternate[count] < intValue))
            continue;
        if (!kept) {
            SumFilterOf(scratch.primary, static_cast<std::uint32_t>(count), scratch.primaryFilter);
            verse.primaryFilter = scratch.primaryFilter;
            if (verse.alternate) {
                SumFilterOf(scratch.alternate, static_cast<std::uint32_t>(count),
                            scratch.alternateFilter);
                verse.alternateFilter = scratch.alternateFilter;
            }
        }
        hits.verse(in.data.ids()[v], count);
#ifdef VELLUMARK_AVX2
        if (wide) {
            ScanVerseWide(verse, hits);
            continue;
        }
#endif
        ScanVerse(verse, hits);
    }
}

}  // namespace vellumark

#include "search/Scans.h"
#include "search/WideSteps.h"

#include <algorithm>
#include <cstddef>

#ifdef VELLUMARK_AVX2
#include <immintrin.h>
#endif

namespace vellumark {

namespace {

#ifdef VELLUMARK_AVX2

static_assert(sizeof(ScanWord) == 12 && offsetof(ScanWord, alternate) == 4,
              "the wide word scan reads a word as three 32-bit fields");

/// Which of the eight 32-bit fields from `fields` hold `wanted`, a bit each.
__attribute__((target("avx2"))) inline unsigned EqualFields(const void* fields, __m256i wanted) {
    const __m256i same =
        _mm256_cmpeq_epi32(_mm256_loadu_si256(static_cast<const __m256i*>(fields)), wanted);
    return static_cast<unsigned>(_mm256_movemask_ps(_mm256_castsi256_ps(same)));
}

/// The first word from `p` on whose value or alternate is `value`, eight
/// words (24 fields) a step: the third field of each, its pair flag, is left
/// out of the comparison.
__attribute__((target("avx2"))) const ScanWord* FindWordWide(const ScanWord* p, const ScanWord* end,
                                                             std::int32_t value) {
    const __m256i wanted = _mm256_set1_epi32(value);
    constexpr unsigned kValueFields = 0x6DB6DB;  // fields 0, 1, 3, 4, ... of 24
    for (; end - p >= 8; p += 8) {
        const auto* bytes = reinterpret_cast<const char*>(p);
        const unsigned fields = (EqualFields(bytes, wanted) | EqualFields(bytes + 32, wanted) << 8 |
                                 EqualFields(bytes + 64, wanted) << 16) &
                                kValueFields;
        if (fields) return p + __builtin_ctz(fields) / 3;
    }
    while (p != end && p->primary != value && p->alternate != value) ++p;
    return p;
}

#endif

/// The first word from `p` on whose value or alternate is `value`.
const ScanWord* FindWord(const ScanWord* p, const ScanWord* end, std::int32_t value, bool wide) {
#ifdef VELLUMARK_AVX2
    if (wide) return FindWordWide(p, end, value);
#else
    (void)wide;
#endif
    // A word's alternate is its value unless it is a pair, so either value
    // matching is a match; tested without a branch, as almost no word matches.
    return std::find_if(p, end, [value](const ScanWord& word) {
        return (word.primary == value) | (word.alternate == value);
    });
}

}  // namespace

void MatchSingleWord(const ScanInput& in, std::int32_t intValue, HitSink& sink, ScanPath path) {
    bool wide = false;
#ifdef VELLUMARK_AVX2
    wide = path != ScanPath::Portable && HasAvx2();
#else
    (void)path;
#endif
    const std::vector<std::uint32_t>& firstWords = in.data.firstWords();
    const ScanWord* const words = in.values.words.data();
    // The words of the scope in one stretch: a match finds its verse, whose
    // words are then marked, and the search goes on after that verse.
    const ScanWord* const end = words + firstWords[in.last + 1];
    const ScanWord* p = words + firstWords[in.first];
    std::size_t v = in.first;
    Hit hit;
    while ((p = FindWord(p, end, intValue, wide)) != end) {
        const auto k = static_cast<std::uint32_t>(p - words);
        while (firstWords[v + 1] <= k) ++v;
        const ScanWord* const verseWords = words + firstWords[v];
        const auto count = static_cast<int>(firstWords[v + 1] - firstWords[v]);
        for (int w = 0; w < count; ++w)
            hit.marks[static_cast<std::size_t>(w)] = WordMark(verseWords[w], intValue);
        hit.verse = in.data.ids()[v];
        hit.wordCount = count;
        sink.add(hit);
        p = verseWords + count;
    }
}

}  // namespace vellumark

#include "search/ByteScan.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vellumark {

namespace {

#if defined(__SSE2__)
constexpr std::size_t kBlock = 16;

__m128i Load(const char* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
unsigned Mask(__m128i bytes) { return static_cast<unsigned>(_mm_movemask_epi8(bytes)); }
__m128i Equal(__m128i bytes, char c) { return _mm_cmpeq_epi8(bytes, _mm_set1_epi8(c)); }
#endif

bool IsCsvSpecial(char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; }

bool IsJsonSpecial(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < 0x20 || u >= 0x80 || c == '"' || c == '\\';
}

std::size_t CountSpaces(std::string_view text) {
    std::size_t count = 0;
    std::size_t i = 0;
#if defined(__SSE2__)
    // Per byte lane the spaces seen (each compare gives -1), summed every
    // 255 blocks, before a lane could overflow.
    while (i + kBlock <= text.size()) {
        __m128i lanes = _mm_setzero_si128();
        for (int k = 0; k < 255 && i + kBlock <= text.size(); ++k, i += kBlock)
            lanes = _mm_sub_epi8(lanes, Equal(Load(text.data() + i), ' '));
        const __m128i sums = _mm_sad_epu8(lanes, _mm_setzero_si128());
        count += static_cast<std::size_t>(_mm_cvtsi128_si32(sums)) +
                 static_cast<std::size_t>(_mm_cvtsi128_si32(_mm_srli_si128(sums, 8)));
    }
#endif
    for (; i < text.size(); ++i) count += text[i] == ' ';
    return count;
}

/// The position after the `n`th space (n > 0) at or after `from`; npos when
/// the text holds fewer.
std::size_t AfterSpaces(std::string_view text, std::size_t from, std::size_t n) {
    const char* const data = text.data();
    std::size_t i = from;
#if defined(__SSE2__)
    const __m128i ones = _mm_set1_epi8(1);
    for (; i + kBlock <= text.size(); i += kBlock) {
        const __m128i spaces = Equal(Load(data + i), ' ');
        const __m128i sums = _mm_sad_epu8(_mm_and_si128(spaces, ones), _mm_setzero_si128());
        const auto count = static_cast<std::size_t>(_mm_cvtsi128_si32(sums) +
                                                    _mm_cvtsi128_si32(_mm_srli_si128(sums, 8)));
        if (count < n) {
            n -= count;
            continue;
        }
        unsigned mask = Mask(spaces);
        while (--n > 0) mask &= mask - 1;
        return i + static_cast<std::size_t>(__builtin_ctz(mask)) + 1;
    }
#endif
    for (; i < text.size(); ++i)
        if (data[i] == ' ' && --n == 0) return i + 1;
    return std::string_view::npos;
}

}  // namespace

std::size_t CountWords(std::string_view text) { return text.empty() ? 0 : CountSpaces(text) + 1; }

bool WordWalker::has(std::size_t k) {
    if (text_.empty()) return false;
    if (k > index_) {
        const std::size_t start = AfterSpaces(text_, start_, k - index_);
        if (start == std::string_view::npos) return false;
        start_ = start;
        index_ = k;
    }
    return true;
}

std::size_t WordWalker::count() const {
    return text_.empty() ? 0 : index_ + CountSpaces(text_.substr(start_)) + 1;
}

std::string_view WordWalker::word(std::size_t k) {
    has(k);
    // A word ends before the space that follows it, the last at the text's end.
    const std::size_t next = AfterSpaces(text_, start_, 1);
    const std::size_t end = next == std::string_view::npos ? text_.size() : next - 1;
    return text_.substr(start_, end - start_);
}

bool NeedsCsvQuotes(std::string_view text) {
    std::size_t i = 0;
#if defined(__SSE2__)
    for (; i + kBlock <= text.size(); i += kBlock) {
        const __m128i bytes = Load(text.data() + i);
        const __m128i special = _mm_or_si128(_mm_or_si128(Equal(bytes, ','), Equal(bytes, '"')),
                                             _mm_or_si128(Equal(bytes, '\r'), Equal(bytes, '\n')));
        if (Mask(special) != 0) return true;
    }
#endif
    for (; i < text.size(); ++i)
        if (IsCsvSpecial(text[i])) return true;
    return false;
}

std::size_t FindJsonSpecial(std::string_view text, std::size_t from) {
    std::size_t i = from;
#if defined(__SSE2__)
    for (; i + kBlock <= text.size(); i += kBlock) {
        const __m128i bytes = Load(text.data() + i);
        // Signed bytes: those below 0x20 and those of 0x80 and above (negative)
        // are both below 0x20.
        const __m128i special = _mm_or_si128(_mm_cmplt_epi8(bytes, _mm_set1_epi8(0x20)),
                                             _mm_or_si128(Equal(bytes, '"'), Equal(bytes, '\\')));
        if (const unsigned mask = Mask(special); mask != 0)
            return i + static_cast<std::size_t>(__builtin_ctz(mask));
    }
#endif
    for (; i < text.size(); ++i)
        if (IsJsonSpecial(text[i])) return i;
    return text.size();
}

}  // namespace vellumark

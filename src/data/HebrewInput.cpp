#include "data/HebrewInput.h"

#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

#include <climits>
#include <stdexcept>
#include <string>

namespace vellumark {

HebrewWords HebrewWordsOf(std::string_view utf8) {
    // ICU counts in 32-bit lengths; no field takes text near that size.
    if (utf8.size() > INT32_MAX / 4) throw std::length_error("The Hebrew text is too long.");
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* const nfkd = icu::Normalizer2::getNFKDInstance(status);
    if (U_FAILURE(status)) throw std::runtime_error("The Unicode data is missing (ICU).");
    // Ill-formed UTF-8 becomes U+FFFD, one an ill-formed sequence.
    const icu::UnicodeString text = icu::UnicodeString::fromUTF8(
        icu::StringPiece(utf8.data(), static_cast<std::int32_t>(utf8.size())));
    const icu::UnicodeString decomposed = nfkd->normalize(text, status);
    if (U_FAILURE(status)) throw std::runtime_error("The Hebrew text could not be decomposed.");
    std::u32string codePoints;
    codePoints.reserve(static_cast<std::size_t>(decomposed.length()));
    for (std::int32_t i = 0; i < decomposed.length();) {
        const UChar32 c = decomposed.char32At(i);
        codePoints.push_back(static_cast<char32_t>(c));
        i += U16_LENGTH(c);
    }
    return SplitHebrewWords(codePoints);
}

}  // namespace vellumark

#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vellumark {

/// The 27 Hebrew letter forms are U+05D0 (alef) to U+05EA (tav) in code point
/// order, the five final forms among them: א ב ג ד ה ו ז ח ט י ך כ ל ם מ ן נ ס ע ף
/// פ ץ צ ק ר ש ת. A letter's index is its distance from alef (0 to 26).
inline constexpr int kLetterForms = 27;
inline constexpr char32_t kAlef = U'\u05D0';
inline constexpr char32_t kTav = U'\u05EA';
/// Maqaf joins words in print; it separates them in counting.
inline constexpr char32_t kMaqaf = U'\u05BE';

/// The index of a letter form, or -1 for any other character.
constexpr int LetterIndex(char32_t c) {
    return c >= kAlef && c <= kTav ? static_cast<int>(c - kAlef) : -1;
}

/// The ways of counting a letter. `StandardAndFinal` counts the standard value
/// and keeps the final-letter value as the alternate, as the data files do.
enum class Method { StandardAndFinal, Standard, Final, Ordinal, Reduced, Atbash };
inline constexpr std::array<Method, 6> kMethods = {
    Method::StandardAndFinal, Method::Standard, Method::Final,
    Method::Ordinal,          Method::Reduced,  Method::Atbash};

/// "Standard and final letters", "Standard", "Final letters", "Ordinal",
/// "Reduced", "Atbash".
std::string_view MethodName(Method method);

/// The value of each letter form, by index. `StandardAndFinal` gives the
/// standard values; its alternate values are those of `Final`:
///   Standard  א 1 … ט 9, י 10 … צ 90, ק 100 … ת 400, a final form as its letter
///   Final     as Standard, but ך 500, ם 600, ן 700, ף 800, ץ 900
///   Ordinal   א 1 … ת 22 in alphabet order, a final form as its letter
///   Reduced   the standard value without its zeros: י 1, ק 1, ת 4
///   Atbash    the standard value of the mirror letter (א↔ת, ב↔ש … כ↔ל)
const std::array<std::int16_t, kLetterForms>& LetterValues(Method method);

/// The letters of UTF-8 text: each two-byte sequence of U+05D0 to U+05EA, in
/// order; every other byte is passed over.
template <typename Visit>
void ForEachLetter(std::string_view utf8, Visit visit) {
    for (std::size_t i = 0; i + 1 < utf8.size(); ++i) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const auto next = static_cast<unsigned char>(utf8[i + 1]);
        if (lead != 0xD7 || next < 0x90 || next > 0xAA) continue;
        visit(next - 0x90);
        ++i;
    }
}

/// The sum of the letters' values of UTF-8 text by one method.
std::int64_t TextValue(std::string_view utf8, Method method);

/// Text split into words for counting: each word holds its letters only (UTF-8).
/// Maqaf and white space separate words; every other character is ignored.
struct HebrewWords {
    std::vector<std::string> words;
    std::size_t letters = 0;
    std::size_t ignored = 0;  ///< characters neither a letter nor a separator
};

/// Splits text whose presentation forms are already decomposed (compatibility
/// decomposition), so that "שׁ" (U+FB2A) arrives as ש and its dot.
HebrewWords SplitHebrewWords(std::u32string_view text);

}  // namespace vellumark

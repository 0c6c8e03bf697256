#pragma once

#include <array>
#include <cstdint>
#include <optional>
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

/// The ways of counting a text, in the order the program lists them: today's
/// six first, then the classical methods. `StandardAndFinal` counts the
/// standard value and keeps the final-letter value as the alternate, as the
/// data files do.
enum class Method {
    StandardAndFinal,
    Standard,
    Final,
    Ordinal,
    Reduced,
    Atbash,
    OrdinalFinal,
    IntegralReduced,
    Albam,
    Avgad,
    AvgadReverse,
    Squares,
    Cubes,
    Triangular,
    Building,
    Position,
    Kolel,
    LettersAdded,
    Milui72,
    Milui63,
    Milui45,
    Milui52,
    Hidden72,
    Hidden63,
    Hidden45,
    Hidden52
};
inline constexpr std::size_t kMethodCount = 26;
inline constexpr std::array<Method, kMethodCount> kMethods = {Method::StandardAndFinal,
                                                              Method::Standard,
                                                              Method::Final,
                                                              Method::Ordinal,
                                                              Method::Reduced,
                                                              Method::Atbash,
                                                              Method::OrdinalFinal,
                                                              Method::IntegralReduced,
                                                              Method::Albam,
                                                              Method::Avgad,
                                                              Method::AvgadReverse,
                                                              Method::Squares,
                                                              Method::Cubes,
                                                              Method::Triangular,
                                                              Method::Building,
                                                              Method::Position,
                                                              Method::Kolel,
                                                              Method::LettersAdded,
                                                              Method::Milui72,
                                                              Method::Milui63,
                                                              Method::Milui45,
                                                              Method::Milui52,
                                                              Method::Hidden72,
                                                              Method::Hidden63,
                                                              Method::Hidden45,
                                                              Method::Hidden52};

/// The headings the method lists group their entries under.
enum class MethodGroup { StandardValues, Substitutions, SquaresAndSums, Fillings };
inline constexpr std::array<MethodGroup, 4> kMethodGroups = {
    MethodGroup::StandardValues, MethodGroup::Substitutions, MethodGroup::SquaresAndSums,
    MethodGroup::Fillings};
/// "Standard values", "Substitutions", "Squares and sums", "Fillings".
std::string_view GroupName(MethodGroup group);

/// How a word's letters make its value: their values added (`Letters`); each
/// letter's value added to a running sum, the running sums added (`Building`:
/// אחד 1 + 9 + 13 = 23); each letter's value times its place in the word,
/// from 1 (`Position`); their values added, and 1 for the word (`Kolel`).
enum class WordRule { Letters, Building, Position, Kolel };

using LetterTable = std::array<std::int32_t, kLetterForms>;

/// One method as the program knows it: its entry text ("Albam"), its command
/// line key ("albam"), the group it is listed under, its letter values and
/// word rule. A text's value is the sum of its words' values, except under
/// Integral reduced, which is the digital root of that sum (the Standard
/// value) taken once for the whole text: not additive, so no search offers it.
struct MethodInfo {
    Method method;
    std::string_view name;
    std::string_view key;
    MethodGroup group;
    WordRule rule;
    const LetterTable* letters;
    bool searchable;
};

const MethodInfo& InfoOf(Method method);

/// "Standard and final letters", "Standard", "Final letters", "Ordinal",
/// "Reduced", "Atbash", "Ordinal with finals" …
std::string_view MethodName(Method method);

/// The method of a command line key ("milui-72"), if any.
std::optional<Method> MethodOfKey(std::string_view key);

/// The methods whose value grows as words are added: all but Integral reduced.
constexpr bool IsSearchMethod(Method method) { return method != Method::IntegralReduced; }

/// The value of each letter form, by index. `StandardAndFinal` gives the
/// standard values; its alternate values are those of `Final`:
///   Standard  א 1 … ט 9, י 10 … צ 90, ק 100 … ת 400, a final form as its letter
///   Final     as Standard, but ך 500, ם 600, ן 700, ף 800, ץ 900
///   Ordinal   א 1 … ת 22 in alphabet order, a final form as its letter
///   Reduced   the standard value without its zeros: י 1, ק 1, ת 4
///   Atbash    the standard value of the mirror letter (א↔ת, ב↔ש … כ↔ל)
/// The word-level methods (Building, Position, Kolel, Integral reduced) give
/// the standard values their rule works on.
const LetterTable& LetterValues(Method method);

/// Adds up one word letter by letter by a method's rule; `end()` gives the
/// word's value and starts the next word.
class WordCounter {
public:
    explicit WordCounter(Method method)
        : table_(*InfoOf(method).letters), rule_(InfoOf(method).rule) {}
    void letter(int form) {
        const std::int64_t value = table_[static_cast<std::size_t>(form)];
        switch (rule_) {
            case WordRule::Building:
                running_ += value;
                sum_ += running_;
                break;
            case WordRule::Position:
                sum_ += value * ++place_;
                break;
            default:
                sum_ += value;
                break;
        }
    }
    std::int64_t end() {
        const std::int64_t value = sum_ + (rule_ == WordRule::Kolel ? 1 : 0);
        sum_ = running_ = 0;
        place_ = 0;
        return value;
    }

private:
    const LetterTable& table_;
    WordRule rule_;
    std::int64_t sum_ = 0;
    std::int64_t running_ = 0;
    std::int64_t place_ = 0;
};

/// Adds its digits until one is left: 13 → 4, 0 → 0.
constexpr std::int64_t DigitalRoot(std::int64_t value) {
    return value <= 0 ? 0 : 1 + (value - 1) % 9;
}

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

/// The value of UTF-8 text by one method: its words (separated by white space
/// below U+0080 or maqaf) counted by the method's rule and added up; under
/// Integral reduced the digital root of that sum.
std::int64_t TextValue(std::string_view utf8, Method method);

/// The value of words that hold letters only (as SplitHebrewWords gives them),
/// by the same rules as TextValue.
std::int64_t WordsValue(const std::vector<std::string>& words, Method method);

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

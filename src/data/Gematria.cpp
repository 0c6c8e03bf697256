#include "data/Gematria.h"

namespace vellumark {

namespace {

using Table = std::array<std::int16_t, kLetterForms>;

/// Each form's letter in alphabet order (0 alef … 21 tav): a final form is its letter.
constexpr std::array<int, kLetterForms> kAlphabetPlace = {0,  1,  2,  3,  4,  5,  6,  7,  8,
                                                          9,  10, 10, 11, 12, 12, 13, 13, 14,
                                                          15, 16, 16, 17, 17, 18, 19, 20, 21};

constexpr std::int16_t StandardOfPlace(int place) {
    constexpr std::array<std::int16_t, 22> kByPlace = {
        1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 200, 300, 400};
    return kByPlace[static_cast<std::size_t>(place)];
}

template <typename ValueOfForm>
constexpr Table MakeTable(ValueOfForm value) {
    Table table{};
    for (int form = 0; form < kLetterForms; ++form)
        table[static_cast<std::size_t>(form)] =
            value(form, kAlphabetPlace[static_cast<std::size_t>(form)]);
    return table;
}

constexpr bool IsFinalForm(int form) {
    return form == 10 || form == 13 || form == 15 || form == 19 || form == 21;
}

constexpr Table kStandard = MakeTable([](int, int place) { return StandardOfPlace(place); });
constexpr Table kFinal = MakeTable([](int form, int place) {
    // ך ם ן ף ץ: 500 to 900 in alphabet order of the finals
    if (!IsFinalForm(form)) return StandardOfPlace(place);
    constexpr std::array<int, 5> kFinals = {10, 13, 15, 19, 21};
    std::int16_t value = 500;
    for (int f : kFinals) {
        if (f == form) break;
        value = static_cast<std::int16_t>(value + 100);
    }
    return value;
});
constexpr Table kOrdinal =
    MakeTable([](int, int place) { return static_cast<std::int16_t>(place + 1); });
constexpr Table kReduced = MakeTable([](int, int place) {
    std::int16_t value = StandardOfPlace(place);
    while (value % 10 == 0) value = static_cast<std::int16_t>(value / 10);
    return value;
});
constexpr Table kAtbash = MakeTable([](int, int place) { return StandardOfPlace(21 - place); });

static_assert(kFinal[10] == 500 && kFinal[13] == 600 && kFinal[15] == 700 && kFinal[19] == 800 &&
              kFinal[21] == 900);
static_assert(kAtbash[0] == 400 && kAtbash[26] == 1 && kReduced[26] == 4 && kOrdinal[26] == 22);

constexpr bool IsWhiteSpace(char32_t c) {
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

}  // namespace

std::string_view MethodName(Method method) {
    switch (method) {
        case Method::StandardAndFinal:
            return "Standard and final letters";
        case Method::Standard:
            return "Standard";
        case Method::Final:
            return "Final letters";
        case Method::Ordinal:
            return "Ordinal";
        case Method::Reduced:
            return "Reduced";
        case Method::Atbash:
            return "Atbash";
    }
    return {};
}

const std::array<std::int16_t, kLetterForms>& LetterValues(Method method) {
    switch (method) {
        case Method::StandardAndFinal:
        case Method::Standard:
            return kStandard;
        case Method::Final:
            return kFinal;
        case Method::Ordinal:
            return kOrdinal;
        case Method::Reduced:
            return kReduced;
        case Method::Atbash:
            return kAtbash;
    }
    return kStandard;
}

std::int64_t TextValue(std::string_view utf8, Method method) {
    const Table& values = LetterValues(method);
    std::int64_t total = 0;
    ForEachLetter(utf8, [&](int form) { total += values[static_cast<std::size_t>(form)]; });
    return total;
}

HebrewWords SplitHebrewWords(std::u32string_view text) {
    HebrewWords result;
    bool inWord = false;
    for (char32_t c : text) {
        if (const int form = LetterIndex(c); form >= 0) {
            if (!inWord) result.words.emplace_back();
            inWord = true;
            // U+05D0 to U+05EA in UTF-8: D7 90 to D7 AA
            result.words.back() += static_cast<char>(0xD7);
            result.words.back() += static_cast<char>(0x90 + form);
            ++result.letters;
        } else if (c == kMaqaf || IsWhiteSpace(c)) {
            inWord = false;
        } else {
            ++result.ignored;
        }
    }
    return result;
}

}  // namespace vellumark

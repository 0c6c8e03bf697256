#include "data/Gematria.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vellumark {
namespace {

// The 27 letter forms in code point order, with every method's value.
struct LetterRow {
    const char* letter;
    int standard, final, ordinal, reduced, atbash;
};
constexpr LetterRow kLetters[kLetterForms] = {
    {"א", 1, 1, 1, 1, 400},    {"ב", 2, 2, 2, 2, 300},    {"ג", 3, 3, 3, 3, 200},
    {"ד", 4, 4, 4, 4, 100},    {"ה", 5, 5, 5, 5, 90},     {"ו", 6, 6, 6, 6, 80},
    {"ז", 7, 7, 7, 7, 70},     {"ח", 8, 8, 8, 8, 60},     {"ט", 9, 9, 9, 9, 50},
    {"י", 10, 10, 10, 1, 40},  {"ך", 20, 500, 11, 2, 30}, {"כ", 20, 20, 11, 2, 30},
    {"ל", 30, 30, 12, 3, 20},  {"ם", 40, 600, 13, 4, 10}, {"מ", 40, 40, 13, 4, 10},
    {"ן", 50, 700, 14, 5, 9},  {"נ", 50, 50, 14, 5, 9},   {"ס", 60, 60, 15, 6, 8},
    {"ע", 70, 70, 16, 7, 7},   {"ף", 80, 800, 17, 8, 6},  {"פ", 80, 80, 17, 8, 6},
    {"ץ", 90, 900, 18, 9, 5},  {"צ", 90, 90, 18, 9, 5},   {"ק", 100, 100, 19, 1, 4},
    {"ר", 200, 200, 20, 2, 3}, {"ש", 300, 300, 21, 3, 2}, {"ת", 400, 400, 22, 4, 1},
};

TEST(Gematria, everyLetterFormAndNoOtherCodePoint_hasAValue) {
    for (int form = 0; form < kLetterForms; ++form) {
        const LetterRow& row = kLetters[form];
        SCOPED_TRACE(row.letter);
        EXPECT_EQ(LetterIndex(kAlef + static_cast<char32_t>(form)), form);
        const auto value = [&](Method method) { return TextValue(row.letter, method); };
        EXPECT_EQ(value(Method::StandardAndFinal), row.standard);
        EXPECT_EQ(value(Method::Standard), row.standard);
        EXPECT_EQ(value(Method::Final), row.final);
        EXPECT_EQ(value(Method::Ordinal), row.ordinal);
        EXPECT_EQ(value(Method::Reduced), row.reduced);
        EXPECT_EQ(value(Method::Atbash), row.atbash);
    }
    // the code points next to the letters' ones
    EXPECT_EQ(TextValue("\u05CF\u05EB\u05BE abc", Method::Standard), 0);
}

TEST(Gematria, splitHebrewWords_countsLettersAndIgnoresTheRest) {
    struct Row {
        const char* name;
        std::u32string text;
        std::vector<std::string> words;
        std::size_t ignored;
    };
    const Row rows[] = {
        {"maqaf and blanks separate", U"כָּל־הָאָרֶץ \t\u2003אֹור׃", {"כל", "הארץ", "אור"}, 7},
        {"slash and points stay within a word", U"בְּ/רֵאשִׁית", {"בראשית"}, 6},
        {"decomposed presentation form", U"\u05E9\u05C1\u05DC\u05D5\u05DD", {"שלום"}, 1},
        {"no Hebrew letter", U"abc 123 \u05C3", {}, 7},
        {"empty", U"", {}, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const HebrewWords split = SplitHebrewWords(row.text);
        EXPECT_EQ(split.words, row.words);
        EXPECT_EQ(split.ignored, row.ignored);
    }
}

TEST(Gematria, aPointedVerseFromTheSources_countsAsTheDataFilesDo) {
    // Genesis 1:7 as the Hebrew source has it: points, accents, morpheme
    // slashes, two maqafs and sof pasuq. The data files hold 17 words, 65
    // letters, gematria 4541 and alternative gematria 8171.
    const HebrewWords verse = SplitHebrewWords(
        U"וַ/יַּ֣עַשׂ אֱלֹהִים֮ אֶת־הָ/רָקִיעַ֒ וַ/יַּבְדֵּ֗ל בֵּ֤ין הַ/מַּ֨יִם֙ אֲשֶׁר֙ מִ/תַּ֣חַת "
        U"לָ/רָקִ֔יעַ וּ/בֵ֣ין הַ/מַּ֔יִם אֲשֶׁ֖ר מֵ/עַ֣ל לָ/רָקִ֑יעַ וַֽ/יְהִי־כֵֽן׃");
    std::int64_t standard = 0;
    std::int64_t final = 0;
    for (const std::string& word : verse.words) {
        standard += TextValue(word, Method::Standard);
        final += TextValue(word, Method::Final);
    }
    EXPECT_EQ(verse.words.size(), 17u);
    EXPECT_EQ(verse.letters, 65u);
    EXPECT_EQ(verse.ignored, 84u);
    EXPECT_EQ(standard, 4541);
    EXPECT_EQ(final, 8171);
}

}  // namespace
}  // namespace vellumark

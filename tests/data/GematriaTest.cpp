#include "data/Gematria.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vellumark {
namespace {

/// Text of ASCII and two-byte UTF-8 characters (Hebrew, maqaf) as code points.
std::u32string Utf32(std::string_view utf8) {
    std::u32string text;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            text += c;
        } else {
            text += static_cast<char32_t>(((c & 0x1F) << 6) | (utf8[++i] & 0x3F));
        }
    }
    return text;
}

// The 27 letter forms in code point order, with the value of every method that
// has a letter table of its own (Milui by the 72 filling: ה הי, ו ויו).
struct LetterRow {
    const char* letter;
    int standard, final, ordinal, reduced, atbash, ordinalFinal, albam, avgad, avgadReverse,
        triangular, milui72;
};
constexpr LetterRow kLetters[kLetterForms] = {
    {"א", 1, 1, 1, 1, 400, 1, 30, 2, 400, 1, 111},
    {"ב", 2, 2, 2, 2, 300, 2, 40, 3, 1, 3, 412},
    {"ג", 3, 3, 3, 3, 200, 3, 50, 4, 2, 6, 83},
    {"ד", 4, 4, 4, 4, 100, 4, 60, 5, 3, 10, 434},
    {"ה", 5, 5, 5, 5, 90, 5, 70, 6, 4, 15, 15},
    {"ו", 6, 6, 6, 6, 80, 6, 80, 7, 5, 21, 22},
    {"ז", 7, 7, 7, 7, 70, 7, 90, 8, 6, 28, 67},
    {"ח", 8, 8, 8, 8, 60, 8, 100, 9, 7, 36, 418},
    {"ט", 9, 9, 9, 9, 50, 9, 200, 10, 8, 45, 419},
    {"י", 10, 10, 10, 1, 40, 10, 300, 20, 9, 55, 20},
    {"ך", 20, 500, 11, 2, 30, 23, 400, 30, 10, 75, 100},
    {"כ", 20, 20, 11, 2, 30, 11, 400, 30, 10, 75, 100},
    {"ל", 30, 30, 12, 3, 20, 12, 1, 40, 20, 105, 74},
    {"ם", 40, 600, 13, 4, 10, 24, 2, 50, 30, 145, 80},
    {"מ", 40, 40, 13, 4, 10, 13, 2, 50, 30, 145, 80},
    {"ן", 50, 700, 14, 5, 9, 25, 3, 60, 40, 195, 106},
    {"נ", 50, 50, 14, 5, 9, 14, 3, 60, 40, 195, 106},
    {"ס", 60, 60, 15, 6, 8, 15, 4, 70, 50, 255, 120},
    {"ע", 70, 70, 16, 7, 7, 16, 5, 80, 60, 325, 130},
    {"ף", 80, 800, 17, 8, 6, 26, 6, 90, 70, 405, 81},
    {"פ", 80, 80, 17, 8, 6, 17, 6, 90, 70, 405, 81},
    {"ץ", 90, 900, 18, 9, 5, 27, 7, 100, 80, 495, 104},
    {"צ", 90, 90, 18, 9, 5, 18, 7, 100, 80, 495, 104},
    {"ק", 100, 100, 19, 1, 4, 19, 8, 200, 90, 595, 186},
    {"ר", 200, 200, 20, 2, 3, 20, 9, 300, 100, 795, 510},
    {"ש", 300, 300, 21, 3, 2, 21, 10, 400, 200, 1095, 360},
    {"ת", 400, 400, 22, 4, 1, 22, 20, 1, 300, 1495, 406},
};

TEST(Gematria, everyLetterFormAndNoOtherCodePoint_hasAValue) {
    for (int form = 0; form < kLetterForms; ++form) {
        const LetterRow& row = kLetters[form];
        SCOPED_TRACE(row.letter);
        EXPECT_EQ(LetterIndex(kAlef + static_cast<char32_t>(form)), form);
        const auto value = [&](Method method) { return TextValue(row.letter, method); };
        const std::int64_t s = row.standard;
        const struct {
            Method method;
            std::int64_t expected;
        } columns[] = {
            {Method::StandardAndFinal, s},
            {Method::Standard, s},
            {Method::Final, row.final},
            {Method::Ordinal, row.ordinal},
            {Method::Reduced, row.reduced},
            {Method::Atbash, row.atbash},
            {Method::OrdinalFinal, row.ordinalFinal},
            {Method::IntegralReduced, DigitalRoot(s)},
            {Method::Albam, row.albam},
            {Method::Avgad, row.avgad},
            {Method::AvgadReverse, row.avgadReverse},
            {Method::Squares, s * s},
            {Method::Cubes, s * s * s},
            {Method::Triangular, row.triangular},
            {Method::Building, s},
            {Method::Position, s},
            {Method::Kolel, s + 1},
            {Method::LettersAdded, s + 1},
            {Method::Milui72, row.milui72},
            {Method::Hidden72, row.milui72 - s},
        };
        for (const auto& column : columns) {
            SCOPED_TRACE(MethodName(column.method));
            EXPECT_EQ(value(column.method), column.expected);
        }
        // The fillings differ in ה and ו only.
        if (std::string(row.letter) != "ה" && std::string(row.letter) != "ו") {
            for (Method milui : {Method::Milui63, Method::Milui45, Method::Milui52})
                EXPECT_EQ(value(milui), row.milui72);
        }
    }
    // the code points next to the letters' ones
    EXPECT_EQ(TextValue("\u05CF\u05EB\u05BE abc", Method::Standard), 0);
}

// The worked values of the classical methods; a text's words are separated by blanks or maqaf.
TEST(Gematria, classicalMethods_workedValues) {
    const struct {
        const char* text;
        Method method;
        std::int64_t value;
    } rows[] = {
        {"יהוה", Method::Milui72, 72},
        {"יהוה", Method::Milui63, 63},
        {"יהוה", Method::Milui45, 45},
        {"יהוה", Method::Milui52, 52},
        {"יהוה", Method::Hidden72, 46},
        {"יהוה", Method::Hidden52, 26},
        {"ה ו", Method::Milui63, 28},
        {"ה ו", Method::Milui45, 19},
        {"א", Method::Milui45, 111},
        {"א", Method::Hidden63, 110},
        {"אחד", Method::Building, 23},
        {"אחד", Method::IntegralReduced, 4},
        {"אחד אחד אחד", Method::IntegralReduced, 3},  // the root of 39, not 4 + 4 + 4
        {"אחד", Method::Position, 29},
        {"אחד אחד", Method::Position, 58},
        {"אחד־אחד", Method::Kolel, 28},
        {"אחד אחד", Method::LettersAdded, 32},
        {"", Method::Kolel, 0},
        {"", Method::IntegralReduced, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.text) + " " + std::string(MethodName(row.method)));
        EXPECT_EQ(TextValue(row.text, row.method), row.value);
        EXPECT_EQ(WordsValue(SplitHebrewWords(Utf32(row.text)).words, row.method), row.value);
    }
    // Each key names its method; the table lists the methods in their order.
    for (std::size_t k = 0; k < kMethods.size(); ++k) {
        EXPECT_EQ(InfoOf(kMethods[k]).method, kMethods[k]);
        EXPECT_EQ(MethodOfKey(InfoOf(kMethods[k]).key), kMethods[k]);
    }
    EXPECT_EQ(MethodOfKey("all"), std::nullopt);
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

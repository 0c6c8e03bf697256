#include "support/Fixtures.h"
#include "totals/TextStatistics.h"

#include <gtest/gtest.h>

using namespace vellumark;

namespace {

std::string Place(const TextPlace& p) {
    return std::to_string(p.verse.book) + " " + std::to_string(p.verse.chapter) + ":" +
           std::to_string(p.verse.verse) + " w" + std::to_string(p.word) + " l" +
           std::to_string(p.letter);
}

/// "n at place" or, for an even count, both middles.
std::string Text(const Middle& m) {
    return std::to_string(m.number) + " " + Place(m.first) +
           (m.even ? " | " + Place(m.second) : std::string());
}

}  // namespace

// Counts, gematria and letter forms of a scope, its middles with an odd and an
// even count, and the table's rows.
TEST(TextStatisticsTest, countsAndMiddles) {
    testing_support::TempDir dir;
    testing_support::WriteHebrewAppFolder(dir.path(), {{1, 1, 1, "אב גד", "E1"},
                                                       {1, 1, 2, "ה", "E2"},
                                                       {1, 2, 1, "ום זח", "E3"},
                                                       {2, 1, 1, "ט", "E4"}});
    const TextVerses verses(dir.path(), Reading::Written);

    const Statistics whole = verses.statistics("Whole text", {}, Method::Ordinal);
    EXPECT_EQ((std::vector<std::int64_t>{whole.chapters, whole.verses, whole.words, whole.letters,
                                         whole.gematria}),
              (std::vector<std::int64_t>{3, 4, 6, 10, 58}));
    EXPECT_EQ(whole.forms[13], 1);  // final mem
    EXPECT_EQ(whole.forms[12], 0);
    // Even counts: the two in the middle.
    EXPECT_EQ(Text(whole.middleVerse), "2 1 1:2 w0 l0 | 1 2:1 w0 l0");
    EXPECT_EQ(Text(whole.middleWord), "3 1 1:2 w1 l0 | 1 2:1 w1 l0");
    EXPECT_EQ(Text(whole.middleLetter), "5 1 1:2 w1 l1 | 1 2:1 w1 l1");

    // Odd counts: the one in the middle; the second letter of a second word.
    const Statistics genesis = verses.statistics("Genesis", {BookVerses(1)}, Method::Standard);
    EXPECT_EQ(genesis.gematria, 1 + 2 + 3 + 4 + 5 + 6 + 40 + 7 + 8);
    EXPECT_EQ(Text(genesis.middleVerse), "2 1 1:2 w0 l0");
    EXPECT_EQ(Text(genesis.middleWord), "3 1 1:2 w1 l0");
    EXPECT_EQ(Text(genesis.middleLetter), "5 1 1:2 w1 l1");
    const Statistics first =
        verses.statistics("Genesis 1:1", {{{1, 1, 1}, {1, 1, 1}}}, Method::Standard);
    EXPECT_EQ(Text(first.middleWord), "1 1 1:1 w1 l0 | 1 1:1 w2 l0");
    EXPECT_EQ(Text(first.middleLetter), "2 1 1:1 w1 l2 | 1 1:1 w2 l1");

    const std::vector<Statistics> table = verses.table(Method::Standard);
    ASSERT_EQ(table.size(), 39u + 3 + 1);
    EXPECT_EQ(table[0].letters, 9);
    EXPECT_EQ(table[39].name + " " + std::to_string(table[39].letters), "Torah 10");
    EXPECT_EQ(table[40].verses, 0);
    EXPECT_EQ(table[40].middleVerse.number, 0);

    // Go to: the Nth verse, word and letter of a scope; none past its end.
    const std::vector<VerseScope> genesis1 = {{{1, 1, 1}, {1, 1, kOpenEnd}}};
    EXPECT_EQ(Place(*verses.locate(genesis1, TextUnit::Verse, 2)), "1 1:2 w0 l0");
    EXPECT_EQ(Place(*verses.locate(genesis1, TextUnit::Word, 2)), "1 1:1 w2 l0");
    EXPECT_EQ(Place(*verses.locate({}, TextUnit::Letter, 10)), "2 1:1 w1 l1");
    EXPECT_FALSE(verses.locate(genesis1, TextUnit::Letter, 6));
    EXPECT_FALSE(verses.locate({}, TextUnit::Word, 0));

    // The published figures stand beside the Torah's and its books' counts.
    const std::string csv = StatisticsCsv({table[0], table[39]});
    EXPECT_TRUE(csv.starts_with("scope,chapters,verses,words,letters,gematria,א,ב,")) << csv;
    EXPECT_TRUE(csv.ends_with(
        "\"Genesis\",2,3,5,9,76,1,1,1,1,1,1,1,1,0,0,0,0,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,1534,,\n"
        "\"Torah\",3,4,6,10,85,1,1,1,1,1,1,1,1,1,0,0,0,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,5845,304805,"
        "304850\n"))
        << csv;
}

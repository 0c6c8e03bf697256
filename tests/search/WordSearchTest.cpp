#include "data/Errors.h"
#include "search/Searches.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

using namespace vellumark;
using namespace testing_support;

namespace {

const std::string& kLink = kEntryLink;

/// Four verses whose words are W1 W2 ... as numbered in the Hebrew lines.
class WordSearchTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteAppFolder(dir.path(),
                       {{1, 1, 1, 4, 0, 0, 0, "A B C D", "E1"},
                        {1, 1, 2, 3, 0, 0, 0, "F G H", "E2"},
                        {1, 1, 3, 4, 0, 0, 0, "I J K L", "E3"},
                        {1, 1, 4, 3, 0, 0, 0, "P Q R", "E4"}},
                       WordFields({0, 1, 1, 1, 5,   -3, 8,     8,    20000,  //
                                   0, 1, 1, 2, 3,   4,  3,                   //
                                   0, 1, 1, 3, 2,   3,  2,     3,            //
                                   0, 1, 1, 4, -10, 15, 20000, 15000}));
    }
    std::string single(std::int32_t value, Match match = Match::Words) {
        RunSearch({dir.path(), "r", "", value, match}, observer);
        return ReadFile(dir.file("Report/r.html"));
    }
    std::string multiple(std::int32_t value) { return single(value, Match::Phrases); }

    TempDir dir;
    SearchObserver observer;
};

TEST_F(WordSearchTest, single_marksPerWord) {
    EXPECT_EQ(single(8),
              Report({kLink + "1'><b>Gen 1:1 </b></a>  A <b><i>(B)</i></b> <b><i>C</i></b> D",
                      Block("E1")},
                     true))
        << "5, -3 8, 8: no match, alternate match, primary match";
    EXPECT_EQ(
        single(3),
        Report({kLink + "1'><b>Gen 1:1 </b></a>  A <b><i>B</i></b> C D", Block("E1"),
                kLink + "2'><b>Gen 1:2 </b></a>  <b><i>F</i></b> G <b><i>H</i></b>", Block("E2"),
                kLink + "3'><b>Gen 1:3 </b></a>  I <b><i>J</i></b> K <b><i>L</i></b>", Block("E3")},
               true))
        << "a primary match whose alternate does not match stays marked 1";
    EXPECT_EQ(single(15000),
              Report({kLink + "4'><b>Gen 1:4 </b></a>  P Q <b><i>R</i></b>", Block("E4")}, true))
        << "the last verse has no marker after it";
    EXPECT_EQ(single(40000), Report({}, true));
}

TEST_F(WordSearchTest, multiple_shortestPhrasePerStart) {
    const std::string gen12 = kLink + "2'><b>Gen 1:2 </b></a>  ";
    const std::string gen13 = kLink + "3'><b>Gen 1:3 </b></a>  ";
    const std::string gen14 = kLink + "4'><b>Gen 1:4 </b></a>  ";
    EXPECT_EQ(multiple(7),
              Report({gen12 + "<b><i>F G</i></b> H", Block("E2"), gen12 + "F <b><i>G H</i></b>",
                      Block("E2"), gen13 + "<b><i>I J K</i></b> L", Block("E3")}))
        << "3-4-3 for 7: two overlapping phrases";
    EXPECT_EQ(multiple(5),
              Report({kLink + "1'><b>Gen 1:1 </b></a>  <b><i>A</i></b> B C D", Block("E1"),
                      gen13 + "<b><i>I J</i></b> K L", Block("E3"), gen13 + "I <b><i>J K</i></b> L",
                      Block("E3"), gen13 + "I J <b><i>K L</i></b>", Block("E3")}))
        << "2-3-2-3 for 5: three hits of one verse, its English block after each";
    EXPECT_EQ(multiple(15), Report({gen14 + "<b><i>(P)</i></b> Q R", Block("E4")}));
    EXPECT_EQ(multiple(10),
              Report({gen12 + "<b><i>F G H</i></b>", Block("E2"), gen13 + "<b><i>I J K L</i></b>",
                      Block("E3"), gen14 + "<b><i>P</i></b> Q R", Block("E4")}));
    EXPECT_EQ(multiple(35000), Report({gen14 + "P <b><i>Q R</i></b>", Block("E4")}))
        << "a value above 32,767 reached only by a phrase";
    // One phrase per start, even when a longer one matches too: from the first word, (1, 5) matches
    // 5 by its alternate, and 1 + 4 by its primary.
    WriteAppFolder(dir.path(), {{1, 1, 1, 2, 0, 0, 0, "A B", "E1"}},
                   WordFields({0, 1, 1, 1, -1, 5, 4}));
    EXPECT_EQ(multiple(5),
              Report({kLink + "1'><b>Gen 1:1 </b></a>  <b><i>(A)</i></b> B", Block("E1")}));
}

TEST_F(WordSearchTest, malformedWordFile_keepsThePreviousReport) {
    WriteFile(dir.file("Report/r.html"), "previous");
    WriteFile(dir.file("Data/WordMatrix.dat"), WordFields({0, 1, 1, 1, 8, -3}));
    EXPECT_THROW(single(8), DataError);
    EXPECT_THROW(multiple(8), DataError);
    EXPECT_EQ(ReadFile(dir.file("Report/r.html")), "previous");
}

}  // namespace

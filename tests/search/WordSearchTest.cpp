#include "data/Errors.h"
#include "search/Searches.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

using namespace vellumark;
using testing_support::Block;
using testing_support::CrLf;
using testing_support::ReadFile;
using testing_support::Report;
using testing_support::TempDir;
using testing_support::WordFields;
using testing_support::WriteAppFolder;

namespace {

const std::string& kLink = testing_support::kEntryLink;

/// Four verses whose words are W1 W2 ... as numbered in the Hebrew lines.
class WordSearchTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteAppFolder(dir.path(),
                       {{1, 1, 1, 4, 0, 0, 0, "A B C D", "E1"},
                        {1, 1, 2, 3, 0, 0, 0, "F G H", "E2"},
                        {1, 1, 3, 2, 0, 0, 0, "I J", "E3"},
                        {1, 1, 4, 3, 0, 0, 0, "K L M", "E4"}},
                       WordFields({0, 1, 1, 1, 5, -3, 8, 8, 20000, 0, 1, 1,   2,  3,     4,
                                   3, 0, 1, 1, 3, 2,  3, 0, 1,     1, 4, -10, 15, 20000, 15000}));
    }
    std::string single(std::int32_t value) {
        MatchSingleWord({dir.path(), "r", "", value}, observer);
        return ReadFile(dir.file("Report/r.html"));
    }
    std::string multiple(std::int32_t value) {
        MatchMultipleWord({dir.path(), "r", "", value}, observer);
        return ReadFile(dir.file("Report/r.html"));
    }

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
                kLink + "3'><b>Gen 1:3 </b></a>  I <b><i>J</i></b>", Block("E3")},
               true))
        << "a primary match whose alternate does not match stays marked 1";
    EXPECT_EQ(single(15000),
              Report({kLink + "4'><b>Gen 1:4 </b></a>  K L <b><i>M</i></b>", Block("E4")}, true))
        << "the last verse has no marker after it";
    EXPECT_EQ(single(40000), Report({}, true));
}

TEST_F(WordSearchTest, multiple_shortestPhrasePerStart) {
    EXPECT_EQ(multiple(7),
              Report({kLink + "2'><b>Gen 1:2 </b></a>  <b><i>F G</i></b> H", Block("E2"),
                      kLink + "2'><b>Gen 1:2 </b></a>  F <b><i>G H</i></b>", Block("E2")},
                     false))
        << "3-4-3 for 7: two overlapping phrases, one English lookup written twice";
    EXPECT_EQ(multiple(5),
              Report({kLink + "1'><b>Gen 1:1 </b></a>  <b><i>A</i></b> B C D", Block("E1"),
                      kLink + "3'><b>Gen 1:3 </b></a>  <b><i>I J</i></b>", Block("E3")},
                     false));
    EXPECT_EQ(
        multiple(15),
        Report({kLink + "4'><b>Gen 1:4 </b></a>  <b><i>(K)</i></b> L M", Block("E4")}, false));
    EXPECT_EQ(multiple(10),
              Report({kLink + "2'><b>Gen 1:2 </b></a>  <b><i>F G H</i></b>", Block("E2"),
                      kLink + "4'><b>Gen 1:4 </b></a>  <b><i>K</i></b> L M", Block("E4")},
                     false));
    EXPECT_EQ(multiple(35000),
              Report({kLink + "4'><b>Gen 1:4 </b></a>  K <b><i>L M</i></b>", Block("E4")}, false))
        << "a value above 32,767 reached only by a phrase";
}

TEST_F(WordSearchTest, emptyWordFile_givesAReportWithoutEntries) {
    testing_support::WriteFile(dir.file("Data/WordMatrix.dat"), "");
    EXPECT_EQ(single(8), Report({}, true));
    EXPECT_EQ(multiple(8), Report({}, false));
}

TEST_F(WordSearchTest, malformedWordFile_keepsThePreviousReport) {
    testing_support::WriteFile(dir.file("Report/r.html"), "previous");
    testing_support::WriteFile(dir.file("Data/WordMatrix.dat"), WordFields({0, 1, 1, 1, 8, -3}));
    EXPECT_THROW(single(8), DataError);
    EXPECT_THROW(multiple(8), DataError);
    EXPECT_EQ(ReadFile(dir.file("Report/r.html")), "previous");
}

}  // namespace

#include "search/Searches.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

using namespace vellumark;
using namespace testing_support;

namespace {

const std::string& kLink = kEntryLink;
const std::string kSeparator = "<br>" + std::string(55, '+');

/// Watches what a search shows; asks for a kill at the given yield.
class Recorder : public SearchObserver {
public:
    void processingShown(bool on) override { events.push_back(on ? "label on" : "label off"); }
    void progressPrepared(int max) override { events.push_back("max " + std::to_string(max)); }
    void progressShown(bool on) override { events.push_back(on ? "bar on" : "bar off"); }
    void progressValue(int value) override { progress = value; }
    void processEvents() override { kill |= ++yields == killAtYield; }
    bool killRequested() override { return kill; }
    void resetKill() override {
        kill = false;
        ++resets;
    }

    std::vector<std::string> events;
    int yields = 0;
    int progress = -1;
    int killAtYield = -1;
    bool kill = false;
    int resets = 0;
};

/// Book 1 has four verses, book 2 two. Gen 1:4 and Exo 1:1 measure 1, 2, 1 at
/// the end of book 1 for the runs; gematria and alternative gematria differ.
class VerseSearchTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteAppFolder(dir.path(), {{1, 1, 1, 9, 30, 2701, 2701, "H1 H2", "E1"},
                                    {1, 1, 2, 1, 5, 5, 1, "H3", "E2"},
                                    {1, 1, 3, 2, 7, 5, 2, "H4 H5", "E3"},
                                    {1, 2, 1, 1, 40000, 40000, 600, "H6", "E4"},
                                    {2, 1, 1, 2, 9, 3, 3, "H7 H8", "E5"},
                                    {2, 1, 2, 9, 4, 600, 2701, "H9", "E6"}});
    }
    std::string single(std::int32_t value, std::int16_t type, const std::string& header = "",
                       Match match = Match::Verses) {
        result = RunSearch({dir.path(), "r", header, value, match, type}, recorder);
        return ReadFile(dir.file("Report/r.html"));
    }
    std::string multiple(std::int32_t value, std::int16_t type) {
        return single(value, type, "", Match::VerseRuns);
    }

    TempDir dir;
    Recorder recorder;
    SearchResult result;
};

TEST_F(VerseSearchTest, single_hitsInFileOrderPerMeasure) {
    EXPECT_EQ(single(30, kLetterCount, "Results"),
              CrLf({"<html>", "<head>", "</head>", "<body>", "<p>", "<h2>Results</h2>", "<p>",
                    kLink + "1'><b>Gen 1:1 </b></a> H1 H2", Block("E1"), "</body>", "</html>"}));
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"label on", "label off"}));
    EXPECT_EQ(single(9, kWordCount), Report({kLink + "1'><b>Gen 1:1 </b></a> H1 H2", Block("E1"),
                                             kLink + "6'><b>Exo 1:2 </b></a> H9", Block("E6")}))
        << "the last record matching is reported once";
    EXPECT_EQ(single(2701, kGematria),
              Report({kLink + "1'><b>Gen 1:1 </b></a> (H1 H2)", Block("E1"),
                      kLink + "6'><b>Exo 1:2 </b></a> (H9)", Block("E6")}))
        << "both values equal, and only the alternative equal: the alternate form";
    EXPECT_EQ(single(600, kGematria), Report({kLink + "4'><b>Gen 2:1 </b></a> (H6)", Block("E4"),
                                              kLink + "6'><b>Exo 1:2 </b></a> H9", Block("E6")}));
    EXPECT_EQ(single(40000, kGematria), Report({kLink + "4'><b>Gen 2:1 </b></a> H6", Block("E4")}))
        << "a gematria above 32,767 compares at full width";
    EXPECT_EQ(result.hits, 1);
    EXPECT_EQ(result.reportPath, dir.file("Report/r.html"));
    EXPECT_EQ(single(12345, kGematria), Report({}));
    EXPECT_EQ(single(9, 7), Report({})) << "an unknown search type reads no record";
}

TEST_F(VerseSearchTest, multiple_runsStayInTheirBookAndMayOverlap) {
    EXPECT_EQ(multiple(3, kWordCount),
              Report({"<br>Gen  1:2 - Gen  1:3", "<br>Gen  1:3 - Gen  2:1"}));
    EXPECT_EQ(multiple(2, kWordCount), Report({"<br>Gen  1:3", "<br>Exo  1:1"}))
        << "Gen 2:1 + Exo 1:1 would cross into the next book";
    EXPECT_EQ(multiple(11, kWordCount), Report({"<br>Exo  1:1 - Exo  1:2"}));
    EXPECT_EQ(recorder.events.front(), "max 5");
    EXPECT_EQ(recorder.progress, 5) << "the last start verse of six";
    EXPECT_EQ(result.hits, 1);
    EXPECT_FALSE(result.killed);
    EXPECT_EQ(multiple(10, kGematria),
              Report({kLink + "2'><b>Gen 1:2 </b></a> H3", Block("E2"),
                      kLink + "3'><b>Gen 1:3</b></a>  H4 H5", Block("E3"), kSeparator}));
    EXPECT_EQ(multiple(3, kGematria),
              Report({kLink + "5'><b>Exo 1:1 </b></a> H7 H8", Block("E5"), kSeparator}))
        << "both sums reach 3 at Exo 1:1: reported once, not alternate; Gen 1:2-3 is not "
           "looked for, its gematria sum passes 3 first";
    EXPECT_EQ(multiple(2704, kGematria),
              Report({kLink + "5'><b>Exo 1:1 </b></a> (H7 H8)", Block("E5"),
                      kLink + "6'><b>Exo 1:2</b></a> ( H9)", Block("E6"), kSeparator}));
}

TEST_F(VerseSearchTest, multiple_killKeepsHitsSoFarAndCompletesTheReport) {
    recorder.killAtYield = 3;
    EXPECT_EQ(multiple(1, kWordCount), Report({"<br>Gen  1:2"}));
    EXPECT_TRUE(result.killed);
    EXPECT_FALSE(recorder.kill);
    EXPECT_EQ(recorder.resets, 2);
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"max 5", "bar on", "bar off"}));
}

TEST_F(VerseSearchTest, failedSearch_keepsThePreviousReport) {
    WriteFile(dir.file("Report/r.html"), "previous");
    WriteFile(dir.file("Data/Hebrew.txt"), CrLf({"Gen 1:1 H1 H2"}));
    EXPECT_ANY_THROW(single(9, kWordCount)) << "Exo 1:2 has no Hebrew line";
    EXPECT_EQ(ReadFile(dir.file("Report/r.html")), "previous");
    std::filesystem::remove(dir.file("Data/EnglishOT.html"));
    EXPECT_ANY_THROW(multiple(9, kWordCount));
    EXPECT_EQ(ReadFile(dir.file("Report/r.html")), "previous");
}

}  // namespace

TEST(VerseRunsTest, moreVersesThanTheHebrewBible_searchedWhole) {
    // 23,300 verses of two letters, then one of seven in the next book.
    std::vector<TestVerse> verses;
    for (int k = 0; k < 23300; ++k)
        verses.push_back({1, k / 150 + 1, k % 150 + 1, 1, 2, 0, 0, "H", "E"});
    verses.push_back({2, 1, 1, 1, 7, 0, 0, "H", "E"});
    TempDir dir;
    WriteAppFolder(dir.path(), verses);
    Recorder recorder;
    const SearchResult result =
        RunSearch({dir.path(), "r", "", 7, Match::VerseRuns, kLetterCount}, recorder);
    EXPECT_EQ(ReadFile(result.reportPath), Report({"<br>Exo  1:1"}));
    EXPECT_EQ(recorder.events.front(), "max 23300");
    EXPECT_EQ(recorder.progress, 23300);
}

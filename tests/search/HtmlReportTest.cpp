#include "data/Errors.h"
#include "search/HtmlReport.h"
#include "search/ReportFormat.h"
#include "support/Fixtures.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace vellumark;
using namespace testing_support;

namespace {

const std::string& kLink = kEntryLink;

/// Exo 3:14 to 3:16 with anchors 412 to 414, as in the worked examples.
class HtmlReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeHebrew({"Exo 3:13 W0", "Exo 3:14 W1 W2 W3 W4", "Exo 3:15 W3 W4", "Exo 3:16 W5"});
        WriteFile(
            dir.file("Data/EnglishOT.html"),
            CrLf({"<html>", EnglishLine(2, 3, 13, 411, "E0"), EnglishLine(2, 3, 14, 412, "E1"),
                  EnglishLine(2, 3, 15, 413, "E2"), EnglishLine(2, 3, 16, 414, "E3")}));
        std::filesystem::create_directories(dir.file("Report"));
    }
    void writeHebrew(const std::vector<std::string>& lines) {
        WriteFile(dir.file("Data/Hebrew.txt"), CrLf(lines));
    }
    /// The gematria run report holding `hits`.
    std::string runReport(const std::vector<Hit>& hits) {
        HtmlReport report(request);
        report.begin();
        for (const Hit& hit : hits) report.add(hit);
        report.finish();
        return ReadFile(dir.file("Report/r.html"));
    }
    static Hit run(std::int16_t verse, int further, bool alternate = false) {
        return {.verse = {2, 3, verse}, .alternate = alternate, .furtherVerses = further};
    }

    TempDir dir;
    SearchRequest request{dir.path(), "r", "", 0, Match::VerseRuns, kGematria};
};

TEST_F(HtmlReportTest, multipleLineHit) {
    EXPECT_THROW(runReport({run(17, 0)}), DataError) << "no such line";
    EXPECT_THROW(runReport({run(16, 1)}), DataError) << "run past the end";
    writeHebrew({"Exo 3:14 W1", "Exo 3:15"});
    EXPECT_THAT(ErrorText<DataError>([&] { runReport({run(14, 1)}); }),
                testing::HasSubstr("verse 2 of the run from Exo 3:14: the line has no space"));
    EXPECT_FALSE(std::filesystem::exists(dir.file("Report/r.html")));

    writeHebrew({"Exo 3:14 W1 W2", "Exo 3:15 W3 W4"});
    const std::string separator = "<br>" + std::string(55, '+');
    EXPECT_EQ(runReport({run(14, 1), run(14, 1, true)}),
              Report({kLink + "412'><b>Exo 3:14 </b></a> W1 W2", Block("E1"),
                      kLink + "413'><b>Exo 3:15</b></a>  W3 W4", Block("E2"), separator,
                      kLink + "412'><b>Exo 3:14 </b></a> (W1 W2)", Block("E1"),
                      kLink + "413'><b>Exo 3:15</b></a> ( W3 W4)", Block("E2"), separator}))
        << "the second run starts behind both read positions";
}

/// Word and phrase hits mark words among the first `wordCount` of the line:
/// a line may hold more words (left out of the entry), never fewer.
TEST_F(HtmlReportTest, wordAndPhraseHitsTakeTheRecordsWords) {
    const auto words = [](int count, int marked, std::uint8_t mark) {
        Hit hit{.verse = {2, 3, 14}, .wordCount = count};
        hit.marks[static_cast<std::size_t>(marked)] = mark;
        return hit;
    };
    const auto phrase = [](int count, int first, int last) {
        return Hit{.verse = {2, 3, 14}, .wordCount = count, .firstWord = first, .lastWord = last};
    };
    const std::string start = kLink + "412'><b>Exo 3:14 </b></a> ";
    const struct {
        Match match;
        Hit hit;
        std::string entry;
    } cases[] = {
        {Match::Words, words(3, 1, 1), start + " W1 <b><i>W2</i></b> W3"},
        {Match::Words, words(4, 3, 2), start + " W1 W2 W3 <b><i>(W4)</i></b>"},
        {Match::Words, words(4, 0, 1), start + " <b><i>W1</i></b> W2 W3 W4"},
        {Match::Phrases, phrase(3, 0, 1), start + " <b><i>W1 W2</i></b> W3"},
        {Match::Phrases, phrase(4, 1, 3), start + " W1 <b><i>W2 W3 W4</i></b>"},
    };
    for (const auto& c : cases) {
        request.match = c.match;
        EXPECT_EQ(runReport({c.hit}), Report({c.entry, Block("E1")}, c.match == Match::Words))
            << c.entry;
    }
    const std::string fewer =
        dir.file("Data/Hebrew.txt") + ", Exo 3:14: the line has 4 words, word 5 is wanted.";
    for (const auto& [match, hit] :
         {std::pair{Match::Words, words(5, 0, 1)}, std::pair{Match::Words, words(5, 4, 1)},
          std::pair{Match::Phrases, phrase(5, 0, 1)}}) {
        request.match = match;
        EXPECT_EQ(ErrorText<DataError>([&] { runReport({hit}); }), fewer);
    }
    writeHebrew({"Exo 3:14 "});
    EXPECT_EQ(ErrorText<DataError>([&] { runReport({words(1, 0, 1)}); }),
              dir.file("Data/Hebrew.txt") + ", Exo 3:14: the line has 0 words, word 1 is wanted.");
}

TEST(ReportFormat, headerStaysOneLine) {
    EXPECT_EQ(HeadingLine("Results"), "<h2>Results</h2>");
    EXPECT_EQ(HeadingLine("a\nb\r\nc\rd"), "<h2>a<br>b<br>c<br>d</h2>");
}

}  // namespace

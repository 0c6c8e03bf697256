#include "data/Errors.h"
#include "search/ReportWriter.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

using namespace vellumark;
using testing_support::Block;
using testing_support::CrLf;
using testing_support::EnglishLine;
using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::WriteFile;

namespace {

const std::string& kLink = testing_support::kEntryLink;

/// Exo 3:14 to 3:16 with anchors 412 to 414, as in the worked examples.
class ReportWriterTest : public ::testing::Test {
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
    std::string report(SearchContext& context) {
        context.report.commit();
        return ReadFile(dir.file("Report/r.html"));
    }

    TempDir dir;
};

TEST_F(ReportWriterTest, singleLineHit_bothForms) {
    SearchContext context(dir.path(), "r");
    EXPECT_EQ(WriteSingleLineHit(context, 2, 3, 14, false, 412),
              kLink + "412'><b>Exo 3:14 </b></a> W1 W2 W3 W4");
    EXPECT_EQ(WriteSingleLineHit(context, 2, 3, 15, true, 413),
              kLink + "413'><b>Exo 3:15 </b></a> (W3 W4)");
    EXPECT_THROW(WriteSingleLineHit(context, 2, 3, 14, false, 412), DataError)
        << "a verse behind the read position is an error for the forward-only writers";
}

TEST_F(ReportWriterTest, singleWordHit_marks) {
    const struct {
        WordMarks marks;
        std::string words;
    } cases[] = {
        {{3, 1, 2, 3, 0}, "  W1 <b><i>W2</i></b> <b><i>(W3)</i></b> W4"},
        {{0, 1}, " "},
        {{3, 4, 3, 1}, "  W1 W3 <b><i>W4</i></b>"},
    };
    for (const auto& c : cases) {
        SearchContext context(dir.path(), "r");
        EXPECT_EQ(WriteSingleWordHit(context, 2, 3, 14, c.marks, 412),
                  kLink + "412'><b>Exo 3:14 </b></a>" + c.words);
    }
    SearchContext context(dir.path(), "r");
    EXPECT_THROW(WriteSingleWordHit(context, 2, 3, 14, {3, 3, 3, 3, 1}, 412), DataError)
        << "a fifth word in a verse of four";
}

TEST_F(ReportWriterTest, multipleWordHit_phrasesAndKeptWords) {
    SearchContext context(dir.path(), "r");
    MultipleWordWriter writer;
    const std::string start = kLink + "412'><b>Exo 3:14 </b></a>";
    EXPECT_EQ(writer.WriteMultipleWordHit(context, 2, 3, 14, 1, 2, 3, false, false, 412),
              start + "  W1 <b><i>W2 W3</i></b> W4");
    EXPECT_EQ(writer.WriteMultipleWordHit(context, 2, 3, 14, 1, 2, 3, true, true, 412),
              start + "  W1 <b><i>(W2 W3)</i></b> W4");
    EXPECT_EQ(writer.WriteMultipleWordHit(context, 2, 3, 14, 0, 1, 3, false, true, 412),
              start + "  <b><i>W1</i></b> W2 W3 W4");
    EXPECT_EQ(writer.WriteMultipleWordHit(context, 2, 3, 14, 3, 1, 3, true, true, 412),
              start + "  W1 W2 W3 <b><i>(W4)</i></b>");
}

TEST_F(ReportWriterTest, multipleLineHit_runOfTwo) {
    writeHebrew({"Exo 3:14 W1 W2", "Exo 3:15 W3 W4"});
    SearchContext context(dir.path(), "r");
    WriteMultipleLineHit(context, 2, 3, 14, 1, false);
    WriteMultipleLineHit(context, 2, 3, 14, 1, true);
    const std::string separator = "<br>" + std::string(55, '+');
    EXPECT_EQ(report(context),
              CrLf({kLink + "412'><b>Exo 3:14 </b></a> W1 W2", Block("E1"),
                    kLink + "413'><b>Exo 3:15</b></a>  W3 W4", Block("E2"), separator,
                    kLink + "412'><b>Exo 3:14 </b></a> (W1 W2)", Block("E1"),
                    kLink + "413'><b>Exo 3:15</b></a> ( W3 W4)", Block("E2"), separator}))
        << "the second run starts behind both read positions";
}

TEST_F(ReportWriterTest, multipleLineHit_failures) {
    {
        SearchContext context(dir.path(), "r");
        EXPECT_THROW(WriteMultipleLineHit(context, 2, 3, 17, 0, false), DataError)
            << "no such line";
    }
    {
        SearchContext context(dir.path(), "r");
        EXPECT_THROW(WriteMultipleLineHit(context, 2, 3, 16, 1, false), DataError)
            << "run past the end";
    }
    writeHebrew({"Exo 3:14 W1", "Exo 3:15"});
    SearchContext context(dir.path(), "r");
    EXPECT_THROW(WriteMultipleLineHit(context, 2, 3, 14, 1, false), DataError)
        << "no space after the reference";
}

TEST_F(ReportWriterTest, headTailAndRangeLines) {
    SearchContext context(dir.path(), "r");
    WriteReportHead(context.report, "  Results ");
    context.report.line(RangeLine(2, 3, 14, 2, 3, 16));
    context.report.line(RangeLine(2, 3, 14, 2, 3, 14));
    WriteReportTail(context.report, Tail::OneLine);
    EXPECT_EQ(report(context),
              CrLf({"<html>", "<head>", "</head>", "<body>", "<p>", "<h2>  Results </h2>", "<p>",
                    "<br>Exo  3:14 - Exo  3:16", "<br>Exo  3:14", "</body></html>"}));
    SearchContext blank(dir.path(), "blank");
    WriteReportHead(blank.report, "   ");
    WriteReportTail(blank.report, Tail::TwoLines);
    blank.report.commit();
    EXPECT_EQ(ReadFile(dir.file("Report/blank.html")),
              CrLf({"<html>", "<head>", "</head>", "<body>", "</body>", "</html>"}));
}

}  // namespace

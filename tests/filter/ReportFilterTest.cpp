#include "data/Errors.h"
#include "filter/ReportFilter.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace vellumark;
using testing_support::CrLf;
using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::WriteFile;

namespace {

const std::string& kLink = testing_support::kEntryLink;
const std::vector<std::string> kHead = {"<html>", "<head>", "</head>", "<body>"};

std::vector<std::string> Join(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class ReportFilterTest : public ::testing::Test {
protected:
    std::string filter(const std::vector<std::string>& report, const std::string& text,
                       const std::string& heading = "") {
        WriteFile(dir.file("Report/r.html"), CrLf(report));
        FilterReport(dir.path(), "r", text, heading);
        EXPECT_FALSE(std::filesystem::exists(dir.file("Report/r.copy")));
        return ReadFile(dir.file("Report/r.html"));
    }

    TempDir dir;
    const std::vector<std::string> words = {
        kLink + "1'><b>Gen 1:1 </b></a>  <b><i>X</i></b> A <b><i>(X)</i></b>",
        "E1",
        kLink + "2'><b>Gen 1:2 </b></a>  <b><i>X</i></b> <b><i>Y</i></b>",
        "E2",
        kLink + "3'><b>Gen 1:3 </b></a>  <b><i>ab cd</i></b> B",
        "E3",
        "</body></html>"};
};

TEST_F(ReportFilterTest, entriesLeftWithoutHighlightingAreDropped) {
    EXPECT_EQ(filter(Join(kHead, words), "X"),
              CrLf(Join(kHead, {kLink + "2'><b>Gen 1:2 </b></a>  X <b><i>Y</i></b>", "E2",
                                kLink + "3'><b>Gen 1:3 </b></a>  <b><i>ab cd</i></b> B", "E3",
                                "</body></html>"})));
}

TEST_F(ReportFilterTest, phraseInOtherLetterCase) {
    EXPECT_EQ(filter(Join(kHead, words), "AB CD"),
              CrLf(Join(kHead, {words[0], "E1", words[2], "E2", "</body></html>"})));
}

TEST_F(ReportFilterTest, headingInsertedReplacedOrKept) {
    const std::vector<std::string> withHeading =
        Join(kHead, {"<p>", "<H2>Old</h2>", "<p>", words[2], "E2", "</body>", "</html>"});
    EXPECT_EQ(
        filter(withHeading, "Q", "New"),
        CrLf(Join(kHead, {"<p>", "<h2>New</h2>", "<p>", words[2], "E2", "</body>", "</html>"})));
    EXPECT_EQ(filter(withHeading, "Q", ""), CrLf(withHeading));
    EXPECT_EQ(
        filter(Join(kHead, {words[2], "E2", "</body>", "</html>"}), "Q", "New"),
        CrLf(Join(kHead, {"<p>", "<h2>New</h2>", "<p>", words[2], "E2", "</body>", "</html>"})));
}

TEST_F(ReportFilterTest, verseSearchReport_losesEveryEntry) {
    EXPECT_EQ(filter(Join(kHead, {kLink + "1'><b>Gen 1:1 </b></a> H1", "E1",
                                  "<br>" + std::string(55, '+'), "</body>", "</html>"}),
                     "H1"),
              CrLf(Join(kHead, {"<br>" + std::string(55, '+'), "</body>", "</html>"})));
}

TEST_F(ReportFilterTest, reportWithoutEntries_isCopiedWithTheHeadingRule) {
    EXPECT_EQ(filter(Join(kHead, {"</body>", "</html>"}), "X", "New"),
              CrLf(Join(kHead, {"<p>", "<h2>New</h2>", "<p>", "</body>", "</html>"})));
    EXPECT_EQ(filter(Join(kHead, {kLink + "1'><b>Gen 1:1 </b></a>  <b><i>Y</i></b>"}), "X"),
              CrLf(Join(kHead, {kLink + "1'><b>Gen 1:1 </b></a>  <b><i>Y</i></b>"})))
        << "a last entry without its English line";
}

TEST_F(ReportFilterTest, failure_leavesTheReportAndNoCopy) {
    EXPECT_THROW(FilterReport(dir.path(), "missing", "X", ""), FileError);
    WriteFile(dir.file("Report/r.html"), CrLf(words));
    std::filesystem::create_directories(dir.file("Report/r.copy"));
    EXPECT_THROW(FilterReport(dir.path(), "r", "X", ""), FileError) << "the copy cannot be written";
    EXPECT_EQ(ReadFile(dir.file("Report/r.html")), CrLf(words));
}

}  // namespace

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
                       const std::string& heading = "", bool confirm = false) {
        WriteFile(dir.file("Report/r.html"), CrLf(report));
        asked = 0;
        result = FilterReport(dir.path(), "r", text, heading, [&] {
            ++asked;
            return confirm;
        });
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.file("Report")),
                                std::filesystem::directory_iterator()),
                  1)
            << "no temporary file is left";
        return ReadFile(dir.file("Report/r.html"));
    }

    FilterResult result;
    int asked = 0;

    TempDir dir;
    const std::vector<std::string> words = {
        kLink + "1'><b>Gen 1:1 </b></a>  <b><i>X</i></b> A <b><i>(X)</i></b>",
        "E1 \u05D0",  // two bytes in UTF-8
        kLink + "2'><b>Gen 1:2 </b></a>  <b><i>X</i></b> <b><i>Y</i></b> <b><i>X</i></b>",
        "E2",
        kLink + "3'><b>Gen 1:3 </b></a>  <b><i>ab cd</i></b> B",
        "E3 \U0001F4D6",  // four bytes in UTF-8
        "</body></html>"};
};

TEST_F(ReportFilterTest, entriesLeftWithoutHighlightingAreDropped) {
    EXPECT_EQ(filter(Join(kHead, words), "X"),
              CrLf(Join(kHead, {kLink + "2'><b>Gen 1:2 </b></a>  X <b><i>Y</i></b> X", "E2",
                                kLink + "3'><b>Gen 1:3 </b></a>  <b><i>ab cd</i></b> B", words[5],
                                "</body></html>"})));
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

TEST_F(ReportFilterTest, searchedLine_staysInTheHeadAfterTheHeading) {
    const std::string searched = "<p>Method: Ordinal. Range: Genesis 1:1 to Genesis 2:3.</p>";
    const std::vector<std::string> tail = {"</body>", "</html>"};
    EXPECT_EQ(filter(Join(kHead, Join({searched, words[2], "E2"}, tail)), "X", "New"),
              CrLf(Join(kHead, Join({"<p>", "<h2>New</h2>", "<p>", searched,
                                     kLink + "2'><b>Gen 1:2 </b></a>  X <b><i>Y</i></b> X", "E2"},
                                    tail))));
    EXPECT_EQ(filter(Join(kHead, Join({searched}, tail)), "X", "New"),
              CrLf(Join(kHead, Join({"<p>", "<h2>New</h2>", "<p>", searched}, tail))))
        << "no entries";
    const std::vector<std::string> withHeading =
        Join(kHead, Join({"<p>", "<h2>Old</h2>", "<p>", searched, words[2], "E2"}, tail));
    EXPECT_EQ(filter(withHeading, "Q", ""), CrLf(withHeading));
}

TEST_F(ReportFilterTest, verseSearchReport_losesEveryEntryOnlyWhenConfirmed) {
    const std::vector<std::string> verses =
        Join(kHead, {kLink + "1'><b>Gen 1:1 </b></a> H1", "E1", "<br>" + std::string(55, '+'),
                     kLink + "2'><b>Gen 1:2 </b></a> H2", "E2", "<br>" + std::string(55, '+'),
                     "</body>", "</html>"});
    EXPECT_EQ(filter(verses, "H1"), CrLf(verses));
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(filter(verses, "H1", "", true),
              CrLf(Join(kHead, {"<br>" + std::string(55, '+'), "<br>" + std::string(55, '+'),
                                "</body>", "</html>"})));
    EXPECT_EQ(result.entries, 2);
    EXPECT_EQ(result.kept, 0);
    filter(Join(kHead, words), "X");
    EXPECT_EQ(asked, 0) << "a report that highlights something is not asked about";
    EXPECT_EQ(result.entries, 3);
    EXPECT_EQ(result.kept, 2);
}

TEST_F(ReportFilterTest, multiLineHeading_isReplacedWhole) {
    // A report written before headers were kept on one line.
    EXPECT_EQ(filter(Join(kHead, {"<p>", "<h2>first", "second line</h2>", "<p>", words[2], "E2",
                                  "</body>", "</html>"}),
                     "Q", "New\nheading"),
              CrLf(Join(kHead, {"<p>", "<h2>New<br>heading</h2>", "<p>", words[2], "E2", "</body>",
                                "</html>"})));
}

TEST_F(ReportFilterTest, reportWithoutEntries_isCopiedWithTheHeadingRule) {
    EXPECT_EQ(filter(Join(kHead, {"</body>", "</html>"}), "X", "New"),
              CrLf(Join(kHead, {"<p>", "<h2>New</h2>", "<p>", "</body>", "</html>"})));
    EXPECT_EQ(filter(Join(kHead, {kLink + "1'><b>Gen 1:1 </b></a>  <b><i>Y</i></b>"}), "X"),
              CrLf(Join(kHead, {kLink + "1'><b>Gen 1:1 </b></a>  <b><i>Y</i></b>"})))
        << "a last entry without its English line";
}

TEST_F(ReportFilterTest, failureOrNonReport_leavesTheFileAsItWas) {
    EXPECT_THROW(FilterReport(dir.path(), "missing", "X", ""), FileError);
    const struct {
        const char* name;
        std::string bytes;
    } notReports[] = {
        {"UTF-16", std::string("\xFF\xFE<\0h\0t\0m\0l\0>\0", 14)},
        {"NUL bytes", CrLf({"<html>", std::string("a\0b", 3), "</html>"})},
        {"not UTF-8", CrLf({"<html>", "caf\xE9", "</html>"})},
        {"no report head", CrLf(words)},
    };
    for (const auto& c : notReports) {
        WriteFile(dir.file("Report/r.html"), c.bytes);
        EXPECT_THROW(FilterReport(dir.path(), "r", "X", ""), DataError) << c.name;
        EXPECT_EQ(ReadFile(dir.file("Report/r.html")), c.bytes) << c.name;
    }
    std::filesystem::remove(dir.file("Report/r.html"));
    std::filesystem::create_directories(dir.file("Report/r.html"));
    EXPECT_THROW(FilterReport(dir.path(), "r", "X", ""), FileError) << "a folder";
    const FilterCheck check = CheckReportFilter({"r", "X", ""}, dir.path());
    EXPECT_NE(check.message.find("it is a folder, not a file"), std::string::npos) << check.message;
}

}  // namespace

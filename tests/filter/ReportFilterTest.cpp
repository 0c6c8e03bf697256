#include "data/Errors.h"
#include "filter/ReportFilter.h"
#include "search/ValueSearchInput.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace vellumark;
using namespace testing_support;

namespace {

const std::string& kLink = kEntryLink;
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

/// The body of a report after its head, filtered with a text and a heading.
TEST_F(ReportFilterTest, unhighlightsDropsEntriesAndSetsTheHeading) {
    const std::string kept2 = kLink + "2'><b>Gen 1:2 </b></a>  X <b><i>Y</i></b> X";
    const std::string searched = "<p>Method: Ordinal. Range: Genesis 1:1 to Genesis 2:3.</p>";
    const std::string& hit2 = words[2];
    // clang-format off
    const struct {  // the expected body empty: the body stays as it was
        const char* name; std::vector<std::string> body; const char *text, *heading;
        std::vector<std::string> expected;
    } cases[] = {
        {"entries left without highlighting are dropped", words, "X", "",
         {kept2, "E2", words[4], words[5], "</body></html>"}},
        {"heading replaced", {"<p>", "<H2>Old</h2>", "<p>", hit2, "E2", "</body>", "</html>"}, "Q",
         "New", {"<p>", "<h2>New</h2>", "<p>", hit2, "E2", "</body>", "</html>"}},
        {"heading kept", {"<p>", "<H2>Old</h2>", "<p>", hit2, "E2", "</body>", "</html>"}, "Q", "",
         {}},
        {"heading inserted", {hit2, "E2", "</body>", "</html>"}, "Q", "New",
         {"<p>", "<h2>New</h2>", "<p>", hit2, "E2", "</body>", "</html>"}},
        {"multi-line heading replaced whole",
         {"<p>", "<h2>first", "second line</h2>", "<p>", hit2, "E2", "</body>", "</html>"}, "Q",
         "New\nheading", {"<p>", "<h2>New<br>heading</h2>", "<p>", hit2, "E2", "</body>", "</html>"}},
        {"searched line stays after the heading", {searched, hit2, "E2", "</body>", "</html>"},
         "X", "New", {"<p>", "<h2>New</h2>", "<p>", searched, kept2, "E2", "</body>", "</html>"}},
        {"searched line, no entries", {searched, "</body>", "</html>"}, "X", "New",
         {"<p>", "<h2>New</h2>", "<p>", searched, "</body>", "</html>"}},
        {"searched line, heading kept",
         {"<p>", "<h2>Old</h2>", "<p>", searched, hit2, "E2", "</body>", "</html>"}, "Q", "", {}},
        {"no entries: the heading before the closing body", {"</body>", "</html>"}, "X", "New",
         {"<p>", "<h2>New</h2>", "<p>", "</body>", "</html>"}},
        {"a last entry without its English line",
         {kLink + "1'><b>Gen 1:1 </b></a>  <b><i>Y</i></b>"}, "X", "", {}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(filter(Join(kHead, c.body), c.text, c.heading),
                  CrLf(Join(kHead, c.expected.empty() ? c.body : c.expected)));
    }
}

TEST_F(ReportFilterTest, verseSearchReport_losesEveryEntryOnlyWhenConfirmed) {
    const std::string sep = "<br>" + std::string(55, '+');
    const std::vector<std::string> verses =
        Join(kHead, {kLink + "1'><b>Gen 1:1 </b></a> H1", "E1", sep,
                     kLink + "2'><b>Gen 1:2 </b></a> H2", "E2", sep, "</body>", "</html>"});
    EXPECT_EQ(filter(verses, "H1"), CrLf(verses));
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(filter(verses, "H1", "", true), CrLf(Join(kHead, {sep, sep, "</body>", "</html>"})));
    EXPECT_EQ(result.entries, 2);
    EXPECT_EQ(result.kept, 0);
    filter(Join(kHead, words), "X");
    EXPECT_EQ(asked, 0) << "a report that highlights something is not asked about";
    EXPECT_EQ(result.entries, 3);
    EXPECT_EQ(result.kept, 2);
}

TEST_F(ReportFilterTest, failureOrNonReport_leavesTheFileAsItWas) {
    EXPECT_THROW(FilterReport(dir.path(), "missing", "X", ""), FileError);
    const std::pair<const char*, std::string> notReports[] = {
        {"UTF-16", std::string("\xFF\xFE<\0h\0t\0m\0l\0>\0", 14)},
        {"NUL bytes", CrLf({"<html>", std::string("a\0b", 3), "</html>"})},
        {"not UTF-8", CrLf({"<html>", "caf\xE9", "</html>"})},
        {"no report head", CrLf(words)},
    };
    for (const auto& [name, bytes] : notReports) {
        WriteFile(dir.file("Report/r.html"), bytes);
        EXPECT_THROW(FilterReport(dir.path(), "r", "X", ""), DataError) << name;
        EXPECT_EQ(ReadFile(dir.file("Report/r.html")), bytes) << name;
    }
    std::filesystem::remove(dir.file("Report/r.html"));
    std::filesystem::create_directories(dir.file("Report/r.html"));
    EXPECT_THROW(FilterReport(dir.path(), "r", "X", ""), FileError) << "a folder";
    const FilterCheck check = CheckReportFilter({"r", "X", ""}, dir.path());
    EXPECT_NE(check.message.find("it is a folder, not a file"), std::string::npos) << check.message;
}

// A heading whose line a report cannot hold is refused as Value Search refuses
// its header, and one that just fits passes; trimmed spaces do not count.
TEST_F(ReportFilterTest, check_refusesAHeadingTooLongForOneReportLine) {
    WriteFile(dir.file("Report/r.html"), CrLf(Join(kHead, words)));
    const std::string tooLong = std::string(32759, 'h');
    const std::string message = CheckValueSearch({"26", "r", tooLong}, dir.path()).message;
    ASSERT_NE(message, "");
    EXPECT_EQ(CheckReportFilter({"r", "X", tooLong}, dir.path()).message, message);
    EXPECT_EQ(
        CheckReportFilter({"r", "X", "  " + std::string(32758, 'h') + " "}, dir.path()).message,
        "");
}

}  // namespace

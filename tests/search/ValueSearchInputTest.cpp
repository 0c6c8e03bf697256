#include "filter/ReportFilter.h"
#include "search/ValueSearchInput.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace vellumark;
using testing_support::TempDir;

namespace {

const std::string kBadName =
    "A report name cannot contain \"/\" or \"\\\": reports are kept in the Report folder.";
const std::string kLongName =
    "The report name is too long: a name can hold at most 242 bytes (a Hebrew letter takes two).";

std::string Hebrew(int letters) {
    std::string text;
    for (int i = 0; i < letters; ++i) text += "א";
    return text;
}

/// The input rules of Value Search, in their order: value, name, value's size, header.
TEST(ValueSearchInput, messagesAndCleanedName) {
    TempDir dir;
    const struct {
        const char* name;
        std::string value, reportName, header, message, nameAfter;
    } cases[] = {
        {"empty", "", "r", "", "Please enter a valid numeric search value.", ""},
        {"letters", "abc", "r", "", "Please enter a valid numeric search value.", ""},
        {"zero", "0", "", "", "Numeric value must be greater than zero", ""},
        {"negative", "-5", "r", "", "Numeric value must be greater than zero", ""},
        {"decimal", "2.5", "", "", "Decimal search values are not permitted", ""},
        {"blank name", "26.0", "   ", "", "Please enter a name for the report", ""},
        {"slash", "26", " a/b.html", "", kBadName, "a/b"},
        {"backslash", "26", "a\\b", "", kBadName, "a\\b"},
        {"too large", "1e10", "big", "",
         "The search value 1e10 is too large; the largest is "
         "2147483647.",
         "big"},
        {"largest value", "2147483647", "r", "", "", "r"},
        {"value beyond doubles", "1e400", "r", "",
         "The search value 1e400 is too large; the largest is 2147483647.", "r"},
        {"name at the limit", "26", std::string(242, 'n'), "", "", std::string(242, 'n')},
        {"name one over", "26", std::string(243, 'n'), "", kLongName, std::string(243, 'n')},
        {"130 Hebrew letters", "26", Hebrew(130), "", kLongName, Hebrew(130)},
        {"header filling a line", "26", "r", std::string(32758, 'h'), "", "r"},
        {"header one over", "26", "r", std::string(32759, 'h'),
         "The report header is too long: its report line can hold at most 32,767 characters.", "r"},
        {"cleaned", "  2.6e1 ", " Psalm study.htm.html ", "", "", "Psalm study"},
        {"nothing left", "26", ".html", "", "", ""},
        {"capital HTML stays", "26", "notes.HTML", "", "", "notes.HTML"},
    };
    for (const auto& c : cases) {
        const ValueSearchCheck check =
            CheckValueSearch({c.value, c.reportName, c.header}, dir.path());
        EXPECT_EQ(check.message, c.message) << c.name;
        EXPECT_EQ(check.nameCleaned ? check.request.reportName : "", c.nameAfter) << c.name;
        if (check.passed()) {
            EXPECT_EQ(check.request.value, c.value == "2147483647" ? 2147483647 : 26) << c.name;
        }
    }
}

/// "Search only within the range": after the other checks, the rules of Range Totals.
TEST(ValueSearchInput, rangeCheckedLastAndGivesTheScope) {
    TempDir dir;
    testing_support::WriteAppFolder(dir.path(), {{1, 1, 1, 1, 1, 1, 1, "", ""},
                                                 {1, 1, 2, 1, 1, 1, 1, "", ""},
                                                 {2, 3, 4, 1, 1, 1, 1, "", ""}});
    auto range = [](std::int16_t startBook, const char* sv, std::int16_t endBook, const char* ev) {
        return RangeInput{startBook, "Genesis", "1", sv, endBook, "Exodus", "3", ev};
    };
    const struct {
        const char* name;
        std::string value, header;
        RangeInput range;
        std::string message;
    } cases[] = {
        {"value first", "x", "", range(2, "1", 1, "4"),
         "Please enter a valid numeric search value."},
        {"header before range", "26", std::string(32759, 'h'), range(2, "1", 1, "4"),
         "The report header is too long: its report line can hold at most 32,767 characters."},
        {"books out of order", "26", "", range(2, "1", 1, "4"),
         "The start book and end book that you have selected are out of order"},
        {"verse not a number", "26", "", range(1, "a", 2, "4"),
         "Please enter a valid start verse."},
        {"verse not in the data", "26", "", range(1, "3", 2, "4"), "Genesis 1:3 was not found"},
        {"passes", "26", "", range(1, "2", 2, "4"), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ValueSearchCheck check =
            CheckValueSearch({c.value, "r", c.header, Method::Reduced, c.range}, dir.path());
        EXPECT_EQ(check.message, c.message);
        if (!check.passed()) continue;
        ASSERT_TRUE(check.request.scope.has_value());
        EXPECT_EQ(check.request.scope->first, (VerseId{1, 1, 2}));
        EXPECT_EQ(check.request.scope->last, (VerseId{2, 3, 4}));
        EXPECT_EQ(check.request.method, Method::Reduced);
    }
    const ValueSearchCheck whole = CheckValueSearch({"26", "r", "", Method::Atbash}, dir.path());
    EXPECT_FALSE(whole.request.scope.has_value());
    EXPECT_EQ(whole.request.method, Method::Atbash);
    std::filesystem::remove(dir.file("Data/LineData.dat"));
    EXPECT_EQ(CheckValueSearch({"26", "r", "", Method::Atbash, range(1, "2", 2, "4")}, dir.path())
                  .message,
              dir.file("Data/LineData.dat") + " was not found.");
}

TEST(ReportFilterInput, messagesAndCleanedFields) {
    TempDir dir;
    testing_support::WriteFile(dir.file("Report/r.html"), "<html>\r\n");
    const struct {
        const char* name;
        std::string reportName, text, message, nameAfter, textAfter;
    } cases[] = {
        {"no name", "  ", "X", "Please enter the name of the report that you want to filter.", "",
         ""},
        {"slash", "a/r", "X", kBadName, "a/r", ""},
        {"too long", std::string(243, 'n'), "X", kLongName, std::string(243, 'n'), ""},
        {"missing", "q", "X", dir.file("Report/q.html") + " was not found.", "q", ""},
        {"no text", " r.html ", "   ", "Please enter the text that you want to filter.", "r", ""},
        {"cleaned", "r", " a   b  c ", "", "r", "a b c"},
    };
    for (const auto& c : cases) {
        const FilterCheck check = CheckReportFilter({c.reportName, c.text, " Head "}, dir.path());
        EXPECT_EQ(check.message, c.message) << c.name;
        EXPECT_EQ(check.reportName, c.nameAfter) << c.name;
        EXPECT_EQ(check.filterText, c.textAfter) << c.name;
        if (check.passed()) {
            EXPECT_EQ(check.heading, "Head");
        }
    }
}

}  // namespace

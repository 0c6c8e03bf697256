#include "filter/ReportFilter.h"
#include "search/ValueSearchInput.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace vellumark;
using namespace testing_support;

namespace {

const std::string kBadName =
    "A report name cannot contain \"/\" or \"\\\": reports are kept in the Report folder.";
const std::string kNotANumber = "Please enter a valid numeric search value.";
const std::string kLongHeader =
    "The report header is too long: its report line can hold at most 32,767 characters.";
const std::string kLongName =
    "The report name is too long: a name can hold at most 242 bytes (a Hebrew letter takes two).";

const std::string kDots = "A report name needs at least one character that is not a dot.";

std::string Hebrew(int letters) {
    std::string text;
    for (int i = 0; i < letters; ++i) text += "א";
    return text;
}

/// The input rules of Value Search, in their order: value, name, value's size, header.
TEST(ValueSearchInput, messagesAndCleanedName) {
    TempDir dir;
    // clang-format off
    const struct { const char* name; std::string value; std::optional<std::string> reportName; std::string header, message, nameAfter; } cases[] = {
        {"empty", "", "r", "", kNotANumber, ""},
        {"letters", "abc", "r", "", kNotANumber, ""},
        {"zero", "0", "", "", "Numeric value must be greater than zero", ""},
        {"negative", "-5", "r", "", "Numeric value must be greater than zero", ""},
        {"decimal", "2.5", "", "", "Decimal search values are not permitted", ""},
        {"blank name", "26.0", "   ", "", "Please enter a name for the report", ""},
        {"slash", "26", " a/b.html", "", kBadName, "a/b"},
        {"backslash", "26", "a\\b", "", kBadName, "a\\b"},
        {"too large", "1e10", "big", "", "The search value 1e10 is too large; the largest is 2147483647.", "big"},
        {"largest value", "2147483647", "r", "", "", "r"},
        {"value beyond doubles", "1e400", "r", "", "The search value 1e400 is too large; the largest is 2147483647.", "r"},
        {"name at the limit", "26", std::string(242, 'n'), "", "", std::string(242, 'n')},
        {"name one over", "26", std::string(243, 'n'), "", kLongName, std::string(243, 'n')},
        {"130 Hebrew letters", "26", Hebrew(130), "", kLongName, Hebrew(130)},
        {"header filling a line", "26", "r", std::string(32758, 'h'), "", "r"},
        {"header one over", "26", "r", std::string(32759, 'h'), kLongHeader, "r"},
        {"cleaned", "  2.6e1 ", " Psalm study.htm.html ", "", "", "Psalm study"},
        {"nothing left", "26", ".html", "", kDots, ""},
        {"only dots", "26", "..", "", kDots, ".."},
        {"value below doubles", "1e-400", "r", "", "Decimal search values are not permitted", ""},
        {"capital HTML stays", "26", "notes.HTML", "", "", "notes.HTML"},
        {"no report", "26", std::nullopt, "", "", ""},
        {"no report, no number", "abc", std::nullopt, "", kNotANumber, ""},
        {"no report, too large", "1e10", std::nullopt, "", "The search value 1e10 is too large; the largest is 2147483647.", ""},
    };
    // clang-format on
    for (const auto& c : cases) {
        const ValueSearchCheck check =
            CheckValueSearch({c.value, c.reportName, c.header}, dir.path());
        EXPECT_EQ(check.message, c.message) << c.name;
        EXPECT_EQ(check.nameCleaned ? check.request.reportName : "", c.nameAfter) << c.name;
        if (!check.passed()) continue;
        EXPECT_EQ(check.request.value, c.value == "2147483647" ? 2147483647 : 26) << c.name;
    }
}

/// "Search only within the range": checked last, by the rules of Range Totals.
TEST(ValueSearchInput, rangeCheckedLastAndGivesTheScope) {
    TempDir dir;
    WriteAppFolder(dir.path(), {{1, 1, 2, 1, 1, 1, 1, "", ""}, {2, 3, 4, 1, 1, 1, 1, "", ""}});
    auto check = [&](const char* value, const std::string& header, const char* startVerse) {
        return CheckValueSearch({value, "r", header, Method::Reduced,
                                 RangeInput{1, "Genesis", "1", startVerse, 2, "Exodus", "3", "4"}},
                                dir.path());
    };
    EXPECT_EQ(check("x", "", "3").message, kNotANumber);
    EXPECT_EQ(check("26", std::string(32759, 'h'), "3").message, kLongHeader);
    EXPECT_EQ(check("26", "", "3").message, "Genesis 1:3 was not found");
    const ValueSearchCheck passed = check("26", "", "2");
    ASSERT_TRUE(passed.passed()) << passed.message;
    EXPECT_EQ(passed.request.scope->ranges.at(0).first, (VerseId{1, 1, 2}));
    EXPECT_EQ(passed.request.scope->ranges.at(0).last, (VerseId{2, 3, 4}));
    EXPECT_EQ(passed.request.method, Method::Reduced);
    std::filesystem::remove(dir.file("Data/LineData.dat"));
    EXPECT_EQ(check("26", "", "2").message, dir.file("Data/LineData.dat") + " was not found.");
}

TEST(ReportFilterInput, messagesAndCleanedFields) {
    TempDir dir;
    WriteFile(dir.file("Report/r.html"), "<html>\r\n");
    // clang-format off
    const struct { const char* name; std::string reportName, text, message, nameAfter, textAfter; } cases[] = {
        {"no name", "  ", "X", "Please enter the name of the report that you want to filter.", "", ""},
        {"slash", "a/r", "X", kBadName, "a/r", ""},
        {"too long", std::string(243, 'n'), "X", kLongName, std::string(243, 'n'), ""},
        {"missing", "q", "X", dir.file("Report/q.html") + " was not found.", "q", ""},
        {"no text", " r.html ", "   ", "Please enter the text that you want to filter.", "r", ""},
        {"cleaned", "r", " a   b  c ", "", "r", "a b c"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const FilterCheck check = CheckReportFilter({c.reportName, c.text, " Head "}, dir.path());
        EXPECT_EQ(check.message, c.message) << c.name;
        EXPECT_EQ(check.reportName, c.nameAfter) << c.name;
        EXPECT_EQ(check.filterText, c.textAfter) << c.name;
        if (!check.passed()) continue;
        EXPECT_EQ(check.heading, "Head");
    }
}

}  // namespace

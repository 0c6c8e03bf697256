#include "data/Errors.h"
#include "data/VerseRecordFile.h"
#include "support/Fixtures.h"
#include "totals/RangeTotals.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace vellumark;
using testing::EndsWith;
using testing::HasSubstr;
using testing::StartsWith;
using testing_support::ErrorText;
using testing_support::TempDir;
using testing_support::WriteAppFolder;

namespace {

class RangeTotalsTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteAppFolder(dir.path(), {{1, 1, 1, 7, 28, 2701, 2701, "", ""},
                                    {1, 1, 2, 1, 2, 3, 4, "", ""},
                                    {1, 2, 1, 10, 20, 30, 40, "", ""},
                                    {2, 1, 1, 100, 200, 300, 65535, "", ""},
                                    {3, 1, 1, 1000, 2000, 3000, 4000, "", ""}});
    }
    RangeCheck validate(std::int16_t startBook, const std::string& sc, const std::string& sv,
                        std::int16_t endBook, const std::string& ec, const std::string& ev) {
        return ValidateRange({startBook, "Genesis", sc, sv, endBook, "Exodus", ec, ev}, path);
    }
    RangeTotals totals(int sb, int sc, int sv, int eb, int ec, int ev) {
        return CalculateRangeTotals(path, sb, static_cast<std::int16_t>(sc),
                                    static_cast<std::int16_t>(sv), eb,
                                    static_cast<std::int16_t>(ec), static_cast<std::int16_t>(ev));
    }

    TempDir dir;
    std::string path = dir.file("Data/LineData.dat");
};

TEST_F(RangeTotalsTest, messagesInOrderOfPrecedence) {
    const struct {
        std::int16_t startBook;
        const char *sc, *sv;
        std::int16_t endBook;
        const char *ec, *ev;
        const char* message;
    } cases[] = {
        {2, "", "", 1, "", "",
         "The start book and end book that you have selected are out of order"},
        {1, "", "", 1, "", "", "Please enter a valid start chapter."},
        {1, "0", "1", 1, "1", "1", "Please enter a valid start chapter."},
        {1, "1.5", "1", 1, "1", "1", "Please enter a valid start chapter."},
        {1, "1", "x", 1, "x", "1", "Please enter a valid start verse."},
        {1, "1", "1", 1, "", "x", "Please enter a valid end chapter."},
        {1, "1", "1", 1, "1", "9e9", "Please enter a valid end verse."},
        {1, "5", "1", 1, "4", "9",
         "The start chapter and end chapter you have selected are out of order."},
        {1, "1", "7", 1, "1", "3",
         "The start verse and end verse you have selected are out of order."},
        {1, "51", "1", 2, "41", "1", "Genesis 51:1 was not found"},
        {1, "2.0", "1", 2, "41", "1", "Exodus 41:1 was not found"},
        {1, "9", "9", 2, "1", "1", "Genesis 9:9 was not found"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(validate(c.startBook, c.sc, c.sv, c.endBook, c.ec, c.ev).message, c.message)
            << c.sc << " " << c.sv << " " << c.ec << " " << c.ev;
    }
}

TEST_F(RangeTotalsTest, acceptedRanges) {
    const RangeCheck check = validate(1, "2.0", "1", 2, "1", "1");
    EXPECT_TRUE(check.passed()) << check.message;
    EXPECT_EQ(check.startChapter, 2);
    EXPECT_TRUE(validate(1, "1", "2", 1, "1", "2").passed()) << "start and end the same verse";
    EXPECT_TRUE(validate(1, "2", "1", 2, "1", "1").passed())
        << "books differ: no chapter order check";
}

TEST_F(RangeTotalsTest, sumsInFileOrder) {
    const struct {
        int sb, sc, sv, eb, ec, ev;
        RangeTotals expected;
    } cases[] = {
        {1, 1, 2, 1, 1, 2, {1, 2, 3, 4}},
        {1, 1, 1, 1, 1, 2, {8, 30, 2704, 2705}},
        {1, 2, 1, 2, 1, 1, {110, 220, 330, 65575}},
        {1, 1, 1, 3, 1, 1, {1118, 2250, 6034, 72280}},
    };
    for (const auto& c : cases) {
        const RangeTotals t = totals(c.sb, c.sc, c.sv, c.eb, c.ec, c.ev);
        EXPECT_EQ(std::tie(t.words, t.letters, t.gematria, t.altGematria),
                  std::tie(c.expected.words, c.expected.letters, c.expected.gematria,
                           c.expected.altGematria))
            << c.sb << " " << c.sc << ":" << c.sv;
    }
}

/// Sums are taken in 64 bits: a total above 32 bits is an error, never a
/// wrapped number.
TEST(RangeTotalsLarge, totalAbove32BitsIsAnError) {
    TempDir dir;
    std::string records;
    for (int chapter = 1; chapter <= 80; ++chapter) {
        for (int verse = 1; verse <= 500; ++verse)
            records += EncodeVerseRecord({1, chapter, verse, 65535, 65535, 65535, 65535});
    }
    testing_support::WriteFile(dir.file("LineData.dat"), records);
    EXPECT_THAT(ErrorText<DataError>(
                    [&] { CalculateRangeTotals(dir.file("LineData.dat"), 1, 1, 1, 1, 80, 500); }),
                HasSubstr("too large"));
    EXPECT_EQ(CalculateRangeTotals(dir.file("LineData.dat"), 1, 1, 1, 1, 1, 2).gematria, 131070);
}

/// Gen 1:1 אם ית, Gen 1:2 כל, Exo 1:1 ב by each method:
/// standard 451 50 2, final 1011 50 2, ordinal 46 23 2, reduced 10 5 2, atbash 451 50 300.
TEST(MethodTotals, eachMethodOverARange) {
    TempDir dir;
    testing_support::WriteHebrewAppFolder(
        dir.path(), {{1, 1, 1, "אם ית", ""}, {1, 1, 2, "כל", ""}, {2, 1, 1, "ב", ""}});
    const VerseScope all{{1, 1, 1}, {2, 1, 1}};
    const VerseScope one{{1, 1, 2}, {1, 1, 2}};
    const struct {
        Method method;
        std::int64_t all, one;
    } cases[] = {
        {Method::StandardAndFinal, 503, 50}, {Method::Standard, 503, 50}, {Method::Final, 1063, 50},
        {Method::Ordinal, 71, 23},           {Method::Reduced, 17, 5},    {Method::Atbash, 801, 50},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(MethodName(c.method));
        EXPECT_EQ(CalculateMethodTotal(dir.path(), all, c.method), c.all);
        EXPECT_EQ(CalculateMethodTotal(dir.path(), one, c.method), c.one);
    }

    EXPECT_THROW(CalculateMethodTotal(dir.path(), {{1, 1, 2}, {1, 1, 1}}, Method::Ordinal),
                 DataError)
        << "the end before the start";
    testing_support::WriteFile(dir.file("Data/Hebrew.txt"), "Gen 1:1 אם ית\r\nExo 1:1 ב\r\n");
    EXPECT_THAT(
        ErrorText<DataError>([&] { CalculateMethodTotal(dir.path(), one, Method::Atbash); }),
        EndsWith("Hebrew.txt, line 2: the line should hold Gen 1:2. Rebuild the data "
                 "with vellumark-data."));
    EXPECT_EQ(CalculateMethodTotal(dir.path(), one, Method::Final), 50)
        << "the records' values need no text";
}

}  // namespace

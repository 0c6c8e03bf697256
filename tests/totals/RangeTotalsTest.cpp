#include "data/Errors.h"
#include "data/Scope.h"
#include "data/VerseRecordFile.h"
#include "support/Fixtures.h"
#include "totals/RangeTotals.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

using namespace vellumark;
using namespace testing_support;
using testing::HasSubstr;

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

    TempDir dir;
    std::string path = dir.file("Data/LineData.dat");
};

TEST_F(RangeTotalsTest, messagesInOrderOfPrecedence) {
    // clang-format off
    const struct { std::int16_t startBook; const char *sc, *sv; std::int16_t endBook; const char *ec, *ev, *message; }
        cases[] = {
        {2, "",    "",  1, "",   "",    "The start book and end book that you have selected are out of order"},
        {1, "",    "",  1, "",   "",    "Please enter a valid start chapter."},
        {1, "0",   "1", 1, "1",  "1",   "Please enter a valid start chapter."},
        {1, "1.5", "1", 1, "1",  "1",   "Please enter a valid start chapter."},
        {1, "1",   "x", 1, "x",  "1",   "Please enter a valid start verse."},
        {1, "1",   "1", 1, "",   "x",   "Please enter a valid end chapter."},
        {1, "1",   "1", 1, "1",  "9e9", "Please enter a valid end verse."},
        {1, "5",   "1", 1, "4",  "9",   "The start chapter and end chapter you have selected are out of order."},
        {1, "1",   "7", 1, "1",  "3",   "The start verse and end verse you have selected are out of order."},
        {1, "51",  "1", 2, "41", "1",   "Genesis 51:1 was not found"},
        {1, "2.0", "1", 2, "41", "1",   "Exodus 41:1 was not found"},
        {1, "9",   "9", 2, "1",  "1",   "Genesis 9:9 was not found"},
        {1, "2.0", "1", 2, "1",  "1",   ""},
        {1, "1",   "2", 1, "1",  "2",   ""},  // start and end the same verse
        {1, "2",   "1", 2, "1",  "1",   ""},  // books differ: no chapter order check
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.sc << " " << c.sv << " " << c.ec << " " << c.ev);
        const RangeCheck check = ValidateRange(
            {c.startBook, "Genesis", c.sc, c.sv, c.endBook, "Exodus", c.ec, c.ev}, path);
        EXPECT_EQ(check.message, c.message);
        if (!check.passed()) continue;
        EXPECT_EQ(check.startChapter, c.sc[0] - '0');
    }
}

TEST_F(RangeTotalsTest, sumsInFileOrder) {
    // clang-format off
    const struct { std::int16_t sb, sc, sv, eb, ec, ev; std::array<std::int32_t, 4> expected; } cases[] = {
        {1, 1, 2, 1, 1, 2, {1, 2, 3, 4}},
        {1, 1, 1, 1, 1, 2, {8, 30, 2704, 2705}},
        {1, 2, 1, 2, 1, 1, {110, 220, 330, 65575}},
        {1, 1, 1, 3, 1, 1, {1118, 2250, 6034, 72280}},
    };
    // clang-format on
    for (const auto& c : cases) {
        const RangeTotals t = CalculateRangeTotals(path, c.sb, c.sc, c.sv, c.eb, c.ec, c.ev);
        EXPECT_EQ((std::array{t.words, t.letters, t.gematria, t.altGematria}), c.expected)
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
    WriteFile(dir.file("LineData.dat"), records);
    EXPECT_THAT(ErrorText<DataError>(
                    [&] { CalculateRangeTotals(dir.file("LineData.dat"), 1, 1, 1, 1, 80, 500); }),
                HasSubstr("too large"));
    EXPECT_EQ(CalculateRangeTotals(dir.file("LineData.dat"), 1, 1, 1, 1, 1, 2).gematria, 131070);
}

/// Gen 1:1 אם ית, Gen 1:2 כל, Exo 1:1 ב by each method:
/// standard 451 50 2, final 1011 50 2, ordinal 46 23 2, reduced 10 5 2, atbash 451 50 300.
TEST(MethodTotals, eachMethodOverARange) {
    TempDir dir;
    WriteHebrewAppFolder(dir.path(),
                         {{1, 1, 1, "אם ית", ""}, {1, 1, 2, "כל", ""}, {2, 1, 1, "ב", ""}});
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
    WriteFile(dir.file("Data/Hebrew.txt"), "Gen 1:1 אם ית\r\nExo 1:1 ב\r\n");
    EXPECT_THAT(
        ErrorText<DataError>([&] { CalculateMethodTotal(dir.path(), one, Method::Atbash); }),
        testing::EndsWith("Hebrew.txt, line 2: the line should hold Gen 1:2. Rebuild the data "
                          "with vellumark-data."));
    EXPECT_EQ(CalculateMethodTotal(dir.path(), one, Method::Final), 50)
        << "the records' values need no text";
}

/// A named scope: Gen 1:1 and the whole of Exodus (open at its end), in either
/// reading; the read text's files are those of Data/Qere.
TEST(MethodTotals, namedScopeInEitherReading) {
    TempDir dir;
    WriteHebrewAppFolder(dir.path(),
                         {{1, 1, 1, "אם ית", ""}, {1, 1, 2, "כל", ""}, {2, 1, 1, "ב", ""}});
    WriteHebrewAppFolder(dir.file("read"),
                         {{1, 1, 1, "אם", ""}, {1, 1, 2, "כל", ""}, {2, 1, 1, "ב ג", ""}});
    std::filesystem::create_directory(dir.file("Data/Qere"));
    for (const char* file : {"LineData.dat", "WordMatrix.dat", "Hebrew.txt"})
        std::filesystem::copy_file(dir.file(std::string("read/Data/") + file),
                                   dir.file(std::string("Data/Qere/") + file));
    const std::vector<VerseScope> scope = {{{1, 1, 1}, {1, 1, 1}}, BookVerses(2)};
    const ScopeTotals written =
        CalculateScopeTotals(dir.path(), Reading::Written, scope, Method::Ordinal);
    EXPECT_EQ((std::vector<std::int64_t>{written.totals.words, written.totals.letters,
                                         written.totals.gematria, written.methodTotal}),
              (std::vector<std::int64_t>{3, 5, 453, 48}));
    const ScopeTotals read =
        CalculateScopeTotals(dir.path(), Reading::Read, scope, Method::Ordinal);
    EXPECT_EQ((std::vector<std::int64_t>{read.totals.words, read.totals.letters,
                                         read.totals.gematria, read.methodTotal}),
              (std::vector<std::int64_t>{3, 4, 46, 19}));
    EXPECT_THROW(
        CalculateScopeTotals(dir.path(), Reading::Written, {BookVerses(3)}, Method::Standard),
        DataError)
        << "a scope that holds no verse of the data";
}

}  // namespace

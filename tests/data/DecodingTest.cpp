#include "data/Errors.h"
#include "data/FieldDecoding.h"
#include "data/VerseRecordFile.h"
#include "data/WordRecordFile.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

using namespace vellumark;
using testing_support::TempDir;
using testing_support::WordFields;
using testing_support::WriteFile;

namespace {

struct FieldCase {
    std::uint8_t b0, b1;
    std::int32_t unsignedValue;
    std::int16_t signedValue;
};

class FieldDecoding : public ::testing::TestWithParam<FieldCase> {};

TEST_P(FieldDecoding, decodesBothForms) {
    const FieldCase c = GetParam();
    const std::uint8_t bytes[2] = {c.b0, c.b1};
    EXPECT_EQ(BytesToLong(FieldBytes(bytes, 2)), c.unsignedValue);
    EXPECT_EQ(BytesToSignedInt(FieldBytes(bytes, 2)), c.signedValue);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FieldDecoding,
    ::testing::Values(FieldCase{0x00, 0x01, 1, 1}, FieldCase{0x01, 0x00, 256, 256},
                      FieldCase{0x00, 0x00, 0, 0}, FieldCase{0x80, 0x00, 32768, 0},
                      FieldCase{0x80, 0x01, 32769, -1}, FieldCase{0x80, 0x05, 32773, -5},
                      FieldCase{0x7F, 0xFF, 32767, 32767}, FieldCase{0xFF, 0xFF, 65535, -32767}));

// --- The verse record file

TEST(VerseRecordFile, readsRecordsIgnoresTruncatedTailAndNamesOversizedFields) {
    TempDir dir;
    const std::string path = dir.file("LineData.dat");
    WriteFile(path, EncodeVerseRecord({1, 1, 1, 7, 28, 2701, 65535}) +
                        EncodeVerseRecord({1, 40000, 2, 14, 52, 1, 2}) +
                        std::string("\x00\x01\x00", 3));
    VerseRecordFile file(path);
    VerseRecord record;
    ASSERT_TRUE(file.next(record));
    EXPECT_EQ(IdentityOf(record, path), (VerseId{1, 1, 1}));
    EXPECT_EQ(record[VerseRecord::AltGematria], 65535);
    ASSERT_TRUE(file.next(record));
    try {
        IdentityOf(record, path);
        ADD_FAILURE() << "a chapter of 40000 must not wrap round";
    } catch (const DataError& error) {
        EXPECT_NE(std::string(error.what()).find("record 2"), std::string::npos) << error.what();
    }
    EXPECT_FALSE(file.next(record)) << "a partial record must not be reported as a verse";
    EXPECT_THROW(VerseRecordFile(dir.file("missing.dat")), FileError);
}

// --- The word record file

TEST(WordRecordFile, readsSinglesAndPairsVerseByVerse) {
    TempDir dir;
    const std::string path = dir.file("WordMatrix.dat");
    // The second marker is written 80 00, the sign-and-magnitude form of 0.
    WriteFile(path, WordFields({0, 1, 1, 1, 913, -203, 843}) + std::string("\x80\x00", 2) +
                        WordFields({1, 1, 2, 0, 1, 1, 3, 5}));
    WordRecordFile file(path);
    VerseBlock block;
    ASSERT_TRUE(file.next(block));
    ASSERT_EQ(block.words.size(), 2u);
    EXPECT_EQ(block.words[0].primary, 913);
    EXPECT_FALSE(block.words[0].pair);
    EXPECT_EQ(block.words[1].primary, 203);
    EXPECT_EQ(block.words[1].alternate, 843);
    ASSERT_TRUE(file.next(block));
    EXPECT_EQ(block.verse, 2);
    EXPECT_TRUE(block.words.empty());
    ASSERT_TRUE(file.next(block));
    EXPECT_EQ(block.words.size(), 1u);
    EXPECT_FALSE(file.next(block));
}

struct MalformedCase {
    const char* name;
    std::vector<int> fields;
    const char* expected;
};

class MalformedWordFile : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedWordFile, isAnErrorNamingTheVerse) {
    TempDir dir;
    const std::string path = dir.file("WordMatrix.dat");
    WriteFile(path, WordFields(GetParam().fields));
    WordRecordFile file(path);
    VerseBlock block;
    try {
        while (file.next(block)) {
        }
        FAIL() << "no error";
    } catch (const DataError& error) {
        const std::string text = error.what();
        EXPECT_NE(text.find(GetParam().expected), std::string::npos) << text;
    }
}

std::vector<int> TooManyWords() {
    std::vector<int> fields = {0, 2, 3, 4};
    fields.insert(fields.end(), 47, 1);
    return fields;
}

INSTANTIATE_TEST_SUITE_P(
    Files, MalformedWordFile,
    ::testing::Values(MalformedCase{"moreThan46Words", TooManyWords(), "Exo 3:4"},
                      MalformedCase{"pairCutByEnd", {0, 1, 1, 1, 5, -3}, "Gen 1:1"},
                      MalformedCase{"pairCutByMarker", {0, 1, 1, 1, -3, 0, 1, 1, 2, 8}, "Gen 1:1"},
                      MalformedCase{
                          "headerCutByEnd", {0, 1, 1, 1, 5, 0, 1, 1}, "inside a verse header"},
                      MalformedCase{"wordBeforeFirstMarker", {5, 0, 1, 1, 1}, "before the first"}),
    [](const auto& info) { return info.param.name; });

}  // namespace

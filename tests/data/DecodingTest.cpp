#include "data/Errors.h"
#include "data/FieldDecoding.h"
#include "data/RecordFiles.h"
#include "data/VerseRecordFile.h"
#include "data/WordRecordFile.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

using namespace vellumark;
using testing_support::TempDir;
using testing_support::WordFields;
using testing_support::WriteFile;

namespace {

TEST(FieldDecoding, decodesBothForms) {
    const struct {
        std::uint8_t b0, b1;
        std::int32_t unsignedValue;
        std::int16_t signedValue;
    } cases[] = {{0x01, 0x00, 256, 256},
                 {0x80, 0x00, 32768, 0},
                 {0x80, 0x05, 32773, -5},
                 {0x7F, 0xFF, 32767, 32767},
                 {0xFF, 0xFF, 65535, -32767}};
    for (const auto& c : cases) {
        const std::uint8_t bytes[2] = {c.b0, c.b1};
        EXPECT_EQ(BytesToLong(FieldBytes(bytes, 2)), c.unsignedValue)
            << int{c.b0} << " " << int{c.b1};
        EXPECT_EQ(BytesToSignedInt(FieldBytes(bytes, 2)), c.signedValue)
            << int{c.b0} << " " << int{c.b1};
    }
}

// --- The verse record file

TEST(VerseRecordFile, readsRecordsAndNamesOversizedFields) {
    TempDir dir;
    const std::string path = dir.file("LineData.dat");
    WriteFile(path, EncodeVerseRecord({1, 1, 1, 7, 28, 2701, 65535}) +
                        EncodeVerseRecord({1, 40000, 2, 14, 52, 1, 2}));
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
    EXPECT_FALSE(file.next(record));
}

/// Damaged record files are errors naming the file, with the hint to rebuild,
/// as soon as they are opened: what their size tells.
TEST(RecordFiles, damagedBySize_isAnErrorWhenOpened) {
    TempDir dir;
    const std::string record = EncodeVerseRecord({1, 1, 1, 1, 1, 1, 1});
    const struct {
        const char* name;
        const char* file;
        std::string bytes;
    } cases[] = {
        {"empty verse records", "LineData.dat", ""},
        {"verse records cut by 3 bytes", "LineData.dat", record + record.substr(0, 11)},
        {"empty word file", "WordMatrix.dat", ""},
        {"word file cut by one byte", "WordMatrix.dat", WordFields({0, 1, 1, 1, 5}).substr(0, 9)},
    };
    for (const auto& c : cases) {
        const std::string path = dir.file(c.file);
        WriteFile(path, c.bytes);
        try {
            if (std::string(c.file) == "LineData.dat")
                VerseRecordFile file(path);
            else
                WordRecordFile file(path);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const DataError& error) {
            const std::string text = error.what();
            EXPECT_EQ(text.find(path), 0u) << c.name << ": " << text;
            EXPECT_NE(text.find("Rebuild the data with vellumark-data."), std::string::npos)
                << c.name << ": " << text;
        }
    }
}

/// Word blocks that do not match the verse records one for one stop a search.
TEST(RecordFiles, disagreeingFiles_stopReading) {
    TempDir dir;
    const std::string gen11 = EncodeVerseRecord({1, 1, 1, 2, 4, 10, 10});
    const std::string gen12 = EncodeVerseRecord({1, 1, 2, 1, 2, 5, 5});
    const struct {
        const char* name;
        std::string records;
        std::vector<int> words;
        const char* expected;
    } cases[] = {
        {"a word missing", gen11 + gen12, {0, 1, 1, 1, 5, 5, 0, 1, 1, 2}, "Gen 1:2 has 1 words"},
        {"other verse", gen11 + gen12, {0, 1, 1, 1, 5, 5, 0, 1, 1, 3, 5}, "its word block Gen 1:3"},
        {"records cut", gen11, {0, 1, 1, 1, 5, 5, 0, 1, 1, 2, 5}, "Gen 1:2 has no verse record"},
        {"blocks cut", gen11 + gen12, {0, 1, 1, 1, 5, 5}, "record 2 has no word block"},
    };
    for (const auto& c : cases) {
        WriteFile(dir.file("Data/LineData.dat"), c.records);
        WriteFile(dir.file("Data/WordMatrix.dat"), WordFields(c.words));
        RecordFiles files(dir.path());
        try {
            while (files.next()) {
            }
            ADD_FAILURE() << c.name << ": no error";
        } catch (const DataError& error) {
            EXPECT_NE(std::string(error.what()).find(c.expected), std::string::npos)
                << c.name << ": " << error.what();
        }
    }
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

void PrintTo(const MalformedCase& c, std::ostream* out) { *out << c.name; }

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

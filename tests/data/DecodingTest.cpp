#include "data/Errors.h"
#include "data/FieldDecoding.h"
#include "data/RecordFiles.h"
#include "data/VerseRecordFile.h"
#include "data/WordRecordFile.h"
#include "support/Fixtures.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace vellumark;
using testing::EndsWith;
using testing::HasSubstr;
using testing::StartsWith;
using testing_support::ErrorText;
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
    WriteFile(path, EncodeVerseRecord({1, 32767, 1, 7, 28, 2701, 65535}) +
                        EncodeVerseRecord({1, 32768, 2, 14, 52, 1, 2}));
    VerseRecordFile file(path);
    VerseRecord record;
    ASSERT_TRUE(file.next(record));
    EXPECT_EQ(IdentityOf(record, path), (VerseId{1, 32767, 1}));
    EXPECT_EQ(record[VerseRecord::AltGematria], 65535);
    ASSERT_TRUE(file.next(record));
    EXPECT_THAT(ErrorText<DataError>([&] { IdentityOf(record, path); }), HasSubstr("record 2"))
        << "a chapter of 32768 must not wrap round";
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
        const std::string text = ErrorText<DataError>([&] {
            if (std::string(c.file) == "LineData.dat")
                VerseRecordFile file(path);
            else
                WordRecordFile file(path);
        });
        EXPECT_THAT(text, StartsWith(path)) << c.name;
        EXPECT_THAT(text, EndsWith("Rebuild the data with vellumark-data.")) << c.name;
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
        EXPECT_THAT(ErrorText<DataError>([&] {
                        while (files.next()) {
                        }
                    }),
                    HasSubstr(c.expected))
            << c.name;
    }
}

// --- The word record file

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
    EXPECT_THAT(ErrorText<DataError>([&] {
                    while (file.next(block)) {
                    }
                }),
                HasSubstr(GetParam().expected));
}

std::vector<int> TooManyWords() {
    std::vector<int> fields = {0, 2, 3, 4};
    fields.insert(fields.end(), 47, 1);
    return fields;
}

INSTANTIATE_TEST_SUITE_P(
    Files, MalformedWordFile,
    ::testing::Values(
        MalformedCase{"moreThan46Words", TooManyWords(), "Exo 3:4"},
        MalformedCase{"pairCutByEnd", {0, 1, 1, 1, 5, -3}, "Gen 1:1"},
        MalformedCase{"pairCutByMarker", {0, 1, 1, 1, -3, 0, 1, 1, 2, 8}, "Gen 1:1"},
        MalformedCase{"headerCutByEnd", {0, 1, 1, 1, 5, 0, 1, 1}, "inside a verse header"},
        MalformedCase{"wordBeforeFirstMarker", {5, 0, 1, 1, 1}, "book 0 0:0: a word stands"}),
    [](const auto& info) { return info.param.name; });

}  // namespace

#include "data/Errors.h"
#include "data/FieldDecoding.h"
#include "data/RecordFiles.h"
#include "data/VerseRecordFile.h"
#include "data/WordRecordFile.h"
#include "support/Fixtures.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace vellumark;
using namespace testing_support;
using testing::HasSubstr;

namespace {

TEST(FieldDecoding, decodesBothForms) {
    // clang-format off
    const struct { std::uint8_t bytes[2]; std::int32_t unsignedValue; std::int16_t signedValue; }
        cases[] = {{{0x01, 0x00}, 256, 256}, {{0x80, 0x00}, 32768, 0}, {{0x80, 0x05}, 32773, -5},
                   {{0x7F, 0xFF}, 32767, 32767}, {{0xFF, 0xFF}, 65535, -32767}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.unsignedValue);
        EXPECT_EQ(BytesToLong(FieldBytes(c.bytes)), c.unsignedValue);
        EXPECT_EQ(BytesToSignedInt(FieldBytes(c.bytes)), c.signedValue);
    }
}

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

/// A record file that cannot be read whole is an error naming the file: its
/// size when it is opened, a break of the word format where the verse is read.
TEST(RecordFiles, damagedFileIsAnErrorNamingTheFile) {
    TempDir dir;
    const std::string record = EncodeVerseRecord({1, 1, 1, 1, 1, 1, 1});
    const std::string rebuild = "Rebuild the data with vellumark-data.";
    std::vector<int> tooManyWords = {0, 2, 3, 4};
    tooManyWords.insert(tooManyWords.end(), 47, 1);
    // clang-format off
    const struct { const char* name; bool verses; std::string bytes, expected; } cases[] = {
        {"empty verse records", true, "", rebuild},
        {"verse records cut by 3 bytes", true, record + record.substr(0, 11), rebuild},
        {"empty word file", false, "", rebuild},
        {"word file cut by one byte", false, WordFields({0, 1, 1, 1, 5}).substr(0, 9), rebuild},
        {"more than 46 words", false, WordFields(tooManyWords),
         "Exo 3:4: the verse has more than 46 words."},
        {"pair cut by the end", false, WordFields({0, 1, 1, 1, 5, -3}),
         "Gen 1:1: the file ends inside a word's pair of values."},
        {"pair cut by a marker", false, WordFields({0, 1, 1, 1, -3, 0, 1, 1, 2, 8}),
         "Gen 1:1: a word's pair of values is cut off."},
        {"pair with a negative second", false, WordFields({0, 1, 1, 1, 4, -3, -2, 7}),
         "Gen 1:1: a word's pair of values is cut off."},
        {"header cut by the end", false, WordFields({0, 1, 1, 1, 5, 0, 1, 1}),
         "the file ends inside a verse header."},
        {"word before the first marker", false, WordFields({5, 0, 1, 1, 1}),
         "book 0 0:0: a word stands before the first verse marker."},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.file(c.verses ? "LineData.dat" : "WordMatrix.dat");
        WriteFile(path, c.bytes);
        const std::string text = ErrorText<DataError>([&] {
            if (c.verses) {
                VerseRecordFile file(path);
                return;
            }
            WordRecordFile file(path);
            VerseBlock block;
            while (file.next(block)) continue;
        });
        EXPECT_THAT(text, testing::StartsWith(path));
        EXPECT_THAT(text, testing::EndsWith(c.expected));
    }
}

/// Word blocks that do not match the verse records one for one stop a search.
TEST(RecordFiles, disagreeingFiles_stopReading) {
    TempDir dir;
    const std::string gen11 = EncodeVerseRecord({1, 1, 1, 2, 4, 10, 10});
    const std::string gen12 = EncodeVerseRecord({1, 1, 2, 1, 2, 5, 5});
    // clang-format off
    const struct {
        const char* name; std::string records; std::vector<int> words; const char* expected;
    } cases[] = {
        {"a word missing", gen11 + gen12, {0, 1, 1, 1, 5, 5, 0, 1, 1, 2}, "Gen 1:2 has 1 words"},
        {"other verse", gen11 + gen12, {0, 1, 1, 1, 5, 5, 0, 1, 1, 3, 5}, "its word block Gen 1:3"},
        {"records cut", gen11, {0, 1, 1, 1, 5, 5, 0, 1, 1, 2, 5}, "Gen 1:2 has no verse record"},
        {"blocks cut", gen11 + gen12, {0, 1, 1, 1, 5, 5}, "record 2 has no word block"},
    };
    // clang-format on
    for (const auto& c : cases) {
        WriteFile(dir.file("Data/LineData.dat"), c.records);
        WriteFile(dir.file("Data/WordMatrix.dat"), WordFields(c.words));
        RecordFiles files(dir.path());
        EXPECT_THAT(ErrorText<DataError>([&] {
                        while (files.next()) continue;
                    }),
                    HasSubstr(c.expected))
            << c.name;
    }
}

}  // namespace

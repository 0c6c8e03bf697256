#include "data/Books.h"
#include "data/EnglishLookup.h"
#include "data/Errors.h"
#include "data/FileReading.h"
#include "data/TextInput.h"
#include "data/TextStream.h"
#include "data/VerseRecordFile.h"
#include "data/VerseTexts.h"
#include "support/Fixtures.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <fstream>

#include <sys/stat.h>

using namespace vellumark;
using namespace testing_support;
using testing::HasSubstr;

namespace {

TEST(Books, lastBookAndBeyond) {
    EXPECT_EQ(GetBookAbbrev(39), "Mal ");
    EXPECT_EQ(GetBookAbbrev(40), "");
    EXPECT_EQ(GetBookAbbrev(0), "");
}

class EnglishLookupTest : public ::testing::Test {
protected:
    void write(const std::vector<std::string>& lines) { WriteFile(path, CrLf(lines)); }
    TempDir dir;
    std::string path = dir.file("EnglishOT.html");
};

TEST_F(EnglishLookupTest, keyedFormWrapsAroundAndNextLineFormFollows) {
    write({"<p>zach 1:1<span id=1>Z", "<P>Gen 1:1<span id=1>A", "<P>Gen 1:2<span id=2>B",
           "<p>GEN 1:3<span id=0042>C"});
    TextStream english(path);
    auto anchor = [&](std::int16_t b, std::int16_t c, std::int16_t v) {
        const std::string result = GetEnglishVerse(english, b, c, v);
        return result.substr(0, result.find('#'));
    };
    const std::string gen13 = GetEnglishVerse(english, 1, 1, 3);
    EXPECT_EQ(gen13, "0042#<blockquote><font color='blue'>C</font></blockquote>")
        << "the key ignores letter case, the anchor keeps its digits";
    EXPECT_EQ(SplitEnglishVerse(gen13, "here").anchor, 42);
    EXPECT_EQ(anchor(1, 1, 3), "0042") << "the line just read, again";
    EXPECT_EQ(anchor(1, 1, 2), "2");
    EXPECT_EQ(anchor(0, 0, 0), "0042") << "next-line form";
    EXPECT_EQ(anchor(1, 1, 1), "1");
    EXPECT_EQ(anchor(1, 1, 1), "1") << "the line, wrapped to";
    EXPECT_EQ(LookUpEnglishVerse(english, 38, 1, 1).block,
              "<blockquote><font color='blue'>Z</font></blockquote>")
        << "the first line, wrapped to";
    // The anchor's whole range, and the block up to a second "#".
    EXPECT_EQ(SplitEnglishVerse("0#a", "here").anchor, 0);
    EXPECT_EQ(SplitEnglishVerse("32767#a", "here").anchor, 32767);
    EXPECT_EQ(SplitEnglishVerse("1#a#b", "here").block, "a");
}

TEST_F(EnglishLookupTest, failuresNameTheFileAndVerse) {
    write({"<P>Gen 1:1<span id=1>A", "<P>Gen 1:2<span id=2", "<P>Gen 1:3<x>y",
           "<P>Gen 1:4<span id=99999>B", "<P>Gen 1:5<span id=7 #B<i>c</i>"});
    // A verse in no line, a line without its second ">", an anchor field cut
    // short, a "#" in the anchor field.
    for (const std::int16_t verse : {9, 2, 3, 5}) {
        TextStream english(path);
        EXPECT_THAT(ErrorText<DataError>([&] { GetEnglishVerse(english, 1, 1, verse); }),
                    testing::AllOf(HasSubstr(path), HasSubstr("Gen 1:" + std::to_string(verse))));
    }
    TextStream english(path);
    EXPECT_THROW(SplitEnglishVerse(GetEnglishVerse(english, 1, 1, 4), "Gen 1:4"), DataError)
        << "an anchor above 32,767";
    EXPECT_THROW(SplitEnglishVerse("1x#a", "Gen 1:4"), DataError) << "a letter in the anchor";
    EXPECT_THROW(SplitEnglishVerse("12345678901234567890#x", "Gen 1:4"), DataError)
        << "twenty digits stop at the digit limit";
    EXPECT_THROW(GetEnglishVerse(english, 0, 0, 0), DataError) << "next-line form past the end";
}

TEST(TextStream, lastAndOverLongLine_folderOrPipeRefused) {
    TempDir dir;
    const std::string path = dir.file("Hebrew.txt");
    std::string_view line;
    WriteFile(path, "a\r\nlast");
    TextStream last(path);
    ASSERT_TRUE(last.readLine(line) && last.readLine(line));
    EXPECT_EQ(line, "last") << "a last line without its line break";
    EXPECT_FALSE(last.readLine(line));
    WriteFile(path, std::string(32767, 'a') + "\r\n" + std::string(1 << 20, '\0'));
    TextStream stream(path);
    ASSERT_TRUE(stream.readLine(line));
    EXPECT_EQ(line.size(), 32767u) << "the longest line with its CR LF";
    EXPECT_THAT(ErrorText<DataError>([&] { stream.readLine(line); }),
                HasSubstr(path + ", line 2: the line is longer"));

    // A folder or a named pipe in place of a data file is refused by name; a
    // pipe is never waited on.
    std::filesystem::create_directory(dir.file("folder"));
    ASSERT_EQ(mkfifo(dir.file("pipe").c_str(), 0600), 0);
    for (const char* name : {"folder", "pipe"}) {
        EXPECT_THROW(TextStream{dir.file(name)}, FileError) << name;
        EXPECT_THROW(VerseRecordFile{dir.file(name)}, FileError) << name;
        EXPECT_THROW(ReadWholeFile(dir.file(name)), FileError) << name;
    }
    const auto descriptors = [] {
        return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {});
    };
    const auto open = descriptors();
    WriteFile(dir.file("four"), "abcd");
    EXPECT_EQ(ReadWholeFile(dir.file("four"), 4).text(), "abcd");
    EXPECT_THROW(ReadWholeFile(dir.file("four"), 3), FileError) << "over the size limit";
    EXPECT_EQ(descriptors(), open) << "every read closes its file";
}

TEST(ReadWholeFile, mappedAsCopied) {
    TempDir dir;
    std::string big(300'000, '\0');
    for (std::size_t k = 0; k < big.size(); ++k) big[k] = static_cast<char>(k * 7 % 251);
    WriteFile(dir.file("big"), big);
    WriteFile(dir.file("small"), "abcd");
    WriteFile(dir.file("empty"), "");
    std::filesystem::create_directory(dir.file("folder"));
    // Whether the process has `path` mapped.
    const auto inMaps = [](const std::string& path) {
        std::ifstream maps("/proc/self/maps");
        for (std::string line; std::getline(maps, line);)
            if (line.ends_with(" " + path)) return true;
        return false;
    };
    for (const FileAccess access : {FileAccess::Mapped, FileAccess::Copied}) {
        SetFileAccess(access);
        const bool mapped = access == FileAccess::Mapped;
        {
            const FileContent content = ReadWholeFile(dir.file("big"));
            EXPECT_EQ(content.text(), big) << mapped;
            EXPECT_EQ(inMaps(dir.file("big")), mapped);
            const FileContent small = ReadWholeFile(dir.file("small"));
            EXPECT_EQ(small.text(), "abcd") << mapped;
            EXPECT_FALSE(inMaps(dir.file("small"))) << "a small file is copied";
        }
        EXPECT_FALSE(inMaps(dir.file("big"))) << "unmapped with its content";
        EXPECT_TRUE(ReadWholeFile(dir.file("empty")).empty()) << mapped;
        EXPECT_THROW(ReadWholeFile(dir.file("big"), 1000), FileError) << mapped;
        EXPECT_THROW(ReadWholeFile(dir.file("folder")), FileError) << mapped;
    }
}

TEST(VerseTexts, keysReadAsTheLinesHoldThem) {
    TempDir dir;
    WriteFile(
        dir.file("Data/Hebrew.txt"),
        CrLf({"Gen 1:1 a", "Gen 1:1 second", "Gen 01:2 zero", "Gen 1:2x x", "gen 1:3 case",
              "Exo 32767:1 top", "Exo 123456:1 long", "1 Sam 2:3 b", "Gen 1:4  c ", "Gen 1:5"}));
    WriteFile(dir.file("Data/EnglishOT.html"),
              CrLf({"<html>", "<p>GEN 1:1<a name=x7>A", "<P>Gen 1:1<a name=x8>B",
                    "<P>Gen 01:2<a name=x9>C", "<P>1 sam 2:3<a name=x5>D"}));
    const VerseTexts texts(dir.path());
    // The first of two lines counts; a Hebrew key keeps its letter case, an
    // English one does not; numbers are plain decimals up to 32,767.
    const struct {
        VerseId id;
        const char* hebrew;
        int anchor;
    } found[] = {{{1, 1, 1}, "a", 7},
                 {{9, 2, 3}, "b", 5},
                 {{2, 32767, 1}, "top", -1},
                 {{1, 1, 4}, " c ", -1}};
    for (const auto& f : found) {
        EXPECT_EQ(texts.hebrewText(f.id), f.hebrew) << f.hebrew;
        if (f.anchor >= 0) {
            EXPECT_EQ(texts.english(f.id).anchor, f.anchor) << f.hebrew;
        }
    }
    EXPECT_EQ(texts.hebrewWords({1, 1, 4}), "c");
    for (const VerseId missing : {VerseId{1, 1, 2}, VerseId{1, 1, 3}, VerseId{1, 1, 5}}) {
        EXPECT_THROW(texts.hebrewText(missing), DataError) << missing.verse;
        EXPECT_THROW(texts.english(missing), DataError) << missing.verse;
    }
}

TEST(TextInput, numberSyntax) {
    // clang-format off
    const struct { const char* text; std::optional<double> value; } cases[] = {
        {"26", 26},   {" 26 ", 26},  {"26.0", 26},   {"+7", 7},     {"-5", -5},
        {".5", 0.5},  {"2.6e1", 26}, {"2.6e+1", 26}, {"1e-1", 0.1}, {"1e10", 1e10},
        {"", {}},     {"   ", {}},   {"abc", {}},    {"1,000", {}}, {"1e", {}},
        {"0x1A", {}}, {"$5", {}},    {"2.5.1", {}},  {".", {}}};
    // clang-format on
    for (const auto& c : cases) EXPECT_EQ(ParseNumber(c.text), c.value) << "\"" << c.text << "\"";
    // The window runs in the user's locale, which may write decimals with a comma.
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) {
        EXPECT_EQ(ParseNumber("26.5"), 26.5);
        std::setlocale(LC_NUMERIC, "C");
    }
}

}  // namespace

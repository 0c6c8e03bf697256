// The rows of a search as the core makes and writes them, against the bytes the
// command line wrote before the rows moved into the core.
#include "data/Errors.h"
#include "search/ByteScan.h"
#include "search/HitRows.h"
#include "search/RowWriters.h"
#include "search/SearchData.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>

using namespace vellumark;
using namespace testing_support;

namespace {

/// Word values: Gen 1:1 5 8 3, Gen 1:2 8 and 20 with the alternate 8, Gen 1:3
/// 4 4, Exo 1:1 16, Mal 3:24 8 8. Entities in the English: named and numeric.
class HitRowsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        app = new TempDir;
        WriteAppFolder(app->path(),
                       {{1, 1, 1, 3, 9, 16, 16, "A B C", "E1 &#35;1 <i>was</i> A&amp;B, \"q\""},
                        {1, 1, 2, 2, 6, 16, 28, "D E", "E2"},
                        {1, 1, 3, 2, 4, 8, 8, "F G", "E3"},
                        {2, 1, 1, 1, 7, 16, 16, "H", "E4"},
                        {39, 3, 24, 2, 2, 16, 16, "I J", "(KJV 4:6) E5"}},
                       WordFields({0, 1,  1, 1,  5,  8,   3,  //
                                   0, 1,  1, 2,  8,  -20, 8,  //
                                   0, 1,  1, 3,  4,  4,       //
                                   0, 2,  1, 1,  16,          //
                                   0, 39, 3, 24, 8,  8}));
    }
    static void TearDownTestSuite() { delete app; }

    /// The rows of one search, written as `format`.
    static std::string rows(RowFormat format, Match match, std::int16_t measure,
                            std::int32_t value) {
        const SearchData data(app->path());
        std::string out;
        RowWriter writer(format, out);
        RowSink sink(data, [&](const HitRow& row) { writer.row(row); });
        const SearchRequest request{app->path(), {}, {}, value, match, measure};
        SearchObserver observer;
        writer.begin();
        sink.setRequest(request);
        RunSearch(request, data, sink, observer);
        writer.finish();
        return out;
    }

    static inline TempDir* app = nullptr;
};

struct RowCase {
    const char* name;
    Match match;
    std::int16_t measure;
    std::int32_t value;
    std::vector<std::string> csv;  ///< the rows after the header line
    const char* json = nullptr;    ///< the whole JSON, where checked
};

constexpr const char* kHeader =
    "value,method,match,book,chapter,verse,end_book,end_chapter,end_verse,first_word,last_word,"
    "hebrew,alternate,english";

// clang-format off
const RowCase kRowCases[] = {
    {"words", Match::Words, kGematria, 8,
     {"8,standard-final,words,Gen,1,1,,,,2,2,B,false,\"E1 #1 was A&B, \"\"q\"\"\"",
      "8,standard-final,words,Gen,1,2,,,,1,1,D,false,E2",
      "8,standard-final,words,Gen,1,2,,,,2,2,E,true,E2",
      "8,standard-final,words,Mal,3,24,,,,1,1,I,false,(KJV 4:6) E5",
      "8,standard-final,words,Mal,3,24,,,,2,2,J,false,(KJV 4:6) E5"},
     R"([
{"value":8,"method":"standard-final","match":"words","book":"Gen","chapter":1,"verse":1,"end_book":null,"end_chapter":null,"end_verse":null,"first_word":2,"last_word":2,"hebrew":"B","alternate":false,"english":"E1 #1 was A&B, \"q\""},
{"value":8,"method":"standard-final","match":"words","book":"Gen","chapter":1,"verse":2,"end_book":null,"end_chapter":null,"end_verse":null,"first_word":1,"last_word":1,"hebrew":"D","alternate":false,"english":"E2"},
{"value":8,"method":"standard-final","match":"words","book":"Gen","chapter":1,"verse":2,"end_book":null,"end_chapter":null,"end_verse":null,"first_word":2,"last_word":2,"hebrew":"E","alternate":true,"english":"E2"},
{"value":8,"method":"standard-final","match":"words","book":"Mal","chapter":3,"verse":24,"end_book":null,"end_chapter":null,"end_verse":null,"first_word":1,"last_word":1,"hebrew":"I","alternate":false,"english":"(KJV 4:6) E5"},
{"value":8,"method":"standard-final","match":"words","book":"Mal","chapter":3,"verse":24,"end_book":null,"end_chapter":null,"end_verse":null,"first_word":2,"last_word":2,"hebrew":"J","alternate":false,"english":"(KJV 4:6) E5"}
]
)"},
    {"phrases", Match::Phrases, kGematria, 13,
     {"13,standard-final,phrases,Gen,1,1,,,,1,2,A B,false,\"E1 #1 was A&B, \"\"q\"\"\""}},
    {"verses", Match::Verses, kGematria, 16,
     {"16,standard-final,verses,Gen,1,1,,,,,,A B C,true,\"E1 #1 was A&B, \"\"q\"\"\"",
      "16,standard-final,verses,Gen,1,2,,,,,,D E,false,E2",
      "16,standard-final,verses,Exo,1,1,,,,,,H,true,E4",
      "16,standard-final,verses,Mal,3,24,,,,,,I J,true,(KJV 4:6) E5"}},
    {"verseLetters", Match::Verses, kLetterCount, 9,
     {"9,standard-final,verses,Gen,1,1,,,,,,A B C,false,\"E1 #1 was A&B, \"\"q\"\"\""}},
    {"runs", Match::VerseRuns, kGematria, 24,
     {"24,standard-final,verse-runs,Gen,1,2,Gen,1,3,,,D E F G,false,E2 E3"},
     R"([
{"value":24,"method":"standard-final","match":"verse-runs","book":"Gen","chapter":1,"verse":2,"end_book":"Gen","end_chapter":1,"end_verse":3,"first_word":null,"last_word":null,"hebrew":"D E F G","alternate":false,"english":"E2 E3"}
]
)"},
    {"runWords", Match::VerseRuns, kWordCount, 4,
     {"4,standard-final,verse-runs,Gen,1,2,Gen,1,3,,,D E F G,false,E2 E3"}},
};
// clang-format on

class HitRowsMatchTest : public HitRowsTest, public ::testing::WithParamInterface<RowCase> {};

// Every field by value: a numeric entity decoded, the words of a phrase, the
// text of a verse and of a run, a hit in the last book.
TEST_P(HitRowsMatchTest, csvAndJsonAsTheCommandLineWroteThem) {
    const RowCase& c = GetParam();
    std::string csv = std::string(kHeader) + "\r\n";
    for (const std::string& line : c.csv) csv += line + "\r\n";
    EXPECT_EQ(rows(RowFormat::Csv, c.match, c.measure, c.value), csv);
    if (c.json) {
        EXPECT_EQ(rows(RowFormat::Json, c.match, c.measure, c.value), c.json);
    }
}

INSTANTIATE_TEST_SUITE_P(Matches, HitRowsMatchTest, ::testing::ValuesIn(kRowCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HitRowsTest, textMarksTheFinalLetterValueAndTheWords) {
    EXPECT_EQ(rows(RowFormat::Text, Match::Words, kGematria, 8),
              "Gen 1:1, word 2  B  8\nGen 1:2, word 1  D  8\nGen 1:2, word 2  (E)  8\n"
              "Mal 3:24, word 1  I  8\nMal 3:24, word 2  J  8\n");
    EXPECT_EQ(rows(RowFormat::Text, Match::Phrases, kGematria, 13),
              "Gen 1:1, words 1-2  A B  13\n");
    EXPECT_EQ(rows(RowFormat::Text, Match::VerseRuns, kGematria, 24),
              "Gen 1:2-Gen 1:3  D E F G  24\n");
    EXPECT_EQ(rows(RowFormat::Json, Match::Words, kGematria, 9), "[]\n");
}

// The hand-written JSON strings are nlohmann-json's, for any bytes.
TEST(RowWriter, jsonStringsAsNlohmannWritesThem) {
    const std::string texts[] = {
        "plain", "q\"b\\s/", std::string("\x01\x1f\x7f\b\f\n\r\t\0", 10), "\xD7\x90\xD7\x91",
        "a\xFF"
        "b",
        "\xE2\x82", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xC0\xAF", "\xE0\x80\x80x",
        // Found sixteen bytes at a time: at and across the blocks' edges.
        "aaaaaaaaaaaaaaa\"bbbbbbbbbbbbbbbb\\",
        "aaaaaaaaaaaaaaaa\xD7\x90 \xD7\x91"
        "ccccccccccccccccc",
        "\xD7\x90\xD7\x91 \xD7\x92\xD7\x93 \xD7\x94\xD7\x95 \xD7\x96\xD7\x97 "
        "\xD7\x98\xFF\x01",
        "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\nyyyyyyyyyyyyyyyyyyyy"};
    for (const std::string& text : texts) {
        HitRow row;
        row.english = text;
        std::string out;
        RowWriter writer(RowFormat::Json, out);
        writer.row(row);
        const nlohmann::ordered_json object = {{"value", 0},           {"method", "standard-final"},
                                               {"match", "words"},     {"book", ""},
                                               {"chapter", 0},         {"verse", 0},
                                               {"end_book", nullptr},  {"end_chapter", nullptr},
                                               {"end_verse", nullptr}, {"first_word", 0},
                                               {"last_word", 0},       {"hebrew", ""},
                                               {"alternate", false},   {"english", text}};
        EXPECT_EQ(out, "\n" + object.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace))
            << testing::PrintToString(text);
    }
}

/// A Hebrew line with fewer words than its word block fails the search, naming
/// the verse, before any row of that verse: where the matched words are on
/// the line, and where one is not.
TEST(HitRows, aLineShortOfItsWordsFailsBeforeItsRows) {
    TempDir dir;
    WriteAppFolder(dir.path(), {{1, 1, 1, 3, 9, 16, 16, "A B C", "E1"}},
                   WordFields({0, 1, 1, 1, 5, 8, 3}));
    WriteFile(dir.file("Data/Hebrew.txt"), CrLf({"Gen 1:1 A B"}));
    const SearchData data(dir.path());
    for (const auto& [match, value] :
         {std::pair{Match::Words, 8}, std::pair{Match::Words, 3}, std::pair{Match::Phrases, 13}}) {
        int rows = 0;
        RowSink sink(data, [&](const HitRow&) { ++rows; });
        const SearchRequest request{dir.path(), {}, {}, value, match};
        sink.setRequest(request);
        SearchObserver observer;
        EXPECT_EQ(ErrorText<DataError>([&] { RunSearch(request, data, sink, observer); }),
                  "Hebrew.txt, Gen 1:1: the line has 2 words, word 3 is wanted. Rebuild the data "
                  "with vellumark-data.")
            << value;
        EXPECT_EQ(rows, 0) << value;
    }
}

// The CSV quoting and the word splits, sixteen bytes at a time, as a plain
// byte-by-byte reading gives them, at and across the blocks' edges.
TEST(RowWriter, csvFieldsAndWordsAcrossSixteenByteBlocks) {
    for (const std::string text :
         {"aaaaaaaaaaaaaaa,bbbbbbbbbbbbbbbbbbbb", "aaaaaaaaaaaaaaaa\"x\"",
          "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\r",
          "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", "a  b c d e f g h i j k l m n",
          " a b c d e f g h i j k l m n o p q r s t ", "a b c d e f g h i j k l m n o p"}) {
        std::string plain;
        const bool quote = text.find_first_of(",\"\r\n") != std::string::npos;
        for (const char c : text) plain += c == '"' ? std::string("\"\"") : std::string(1, c);
        std::string out;
        AppendCsvField(out, text);
        EXPECT_EQ(out, quote ? "\"" + plain + "\"" : plain) << text;

        std::vector<std::string_view> expected;
        std::size_t start = 0;
        for (std::size_t i = 0; i <= text.size(); ++i) {
            if (i < text.size() && text[i] != ' ') continue;
            expected.push_back(std::string_view(text).substr(start, i - start));
            start = i + 1;
        }
        EXPECT_EQ(CountWords(text), expected.size()) << text;
        // Every word, and every third word, walked to: the same views, the
        // same count from wherever the walk stands, and no word past the last.
        for (const std::size_t step : {1, 3}) {
            WordWalker walker(text);
            for (std::size_t k = step - 1; k < expected.size(); k += step) {
                ASSERT_TRUE(walker.has(k)) << text << ", word " << k;
                const std::string_view word = walker.word(k);
                EXPECT_TRUE(word.data() == expected[k].data() && word == expected[k])
                    << text << ", word " << k;
                EXPECT_EQ(walker.count(), expected.size()) << text << ", word " << k;
            }
            EXPECT_FALSE(walker.has(expected.size())) << text;
        }
    }
}

}  // namespace

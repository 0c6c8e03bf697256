// The scans that spare work against plain ones, over generated data and the
// real data, under every method: the verse runs and phrases from running sums
// against adding every run up again, the word scan's wide steps against one
// word at a time, and a batch of values in one pass against one search per
// value.
#include "search/Scans.h"
#include "search/SearchBatch.h"
#include "search/SearchData.h"
#include "search/Searches.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <random>

using namespace vellumark;
using namespace testing_support;

namespace {

std::string Name(const VerseId& id) {
    return std::to_string(id.book) + "." + std::to_string(id.chapter) + "." +
           std::to_string(id.verse);
}

/// Each hit as one line of text, so that a difference shows where it lies.
class Lines : public HitSink {
public:
    void begin() override { lines.push_back("begin"); }
    void finish() override { lines.push_back("finish"); }
    void add(const Hit& h) override {
        std::string marks;
        for (int w = 0; w < h.wordCount; ++w) marks += char('0' + h.marks[std::size_t(w)]);
        lines.push_back(Name(h.verse) + (h.alternate ? " alt" : "") + " marks " + marks +
                        " words " + std::to_string(h.firstWord) + "-" + std::to_string(h.lastWord) +
                        "/" + std::to_string(h.wordCount) + " run " + Name(h.runEnd) + " +" +
                        std::to_string(h.furtherVerses));
    }
    std::vector<std::string> lines;
};

/// Verse runs added up from every start verse, verse by verse.
void PlainVerseRuns(const ScanInput& in, std::int32_t value, std::int16_t type, HitSink& sink) {
    const std::vector<VerseId>& ids = in.data.ids();
    const std::vector<std::int32_t>& measure = type == kWordCount     ? in.data.wordCounts()
                                               : type == kLetterCount ? in.data.letterCounts()
                                                                      : in.values.verses;
    for (std::size_t i = in.first; i <= in.last; ++i) {
        std::int64_t sum = 0, second = 0;
        for (std::size_t j = i; j <= in.last && ids[j].book <= ids[i].book; ++j) {
            sum += measure[j];
            second += in.values.verseAlternates[j];
            if (sum > value) break;
            const bool alternate = sum != value;
            if (alternate && (type != kGematria || second != value)) continue;
            Hit hit;
            hit.verse = ids[i];
            hit.runEnd = ids[j];
            hit.furtherVerses = static_cast<int>(j - i);
            hit.alternate = alternate;
            sink.add(hit);
            break;
        }
    }
}

/// Phrases added up from every start word, word by word.
void PlainPhrases(const ScanInput& in, std::int32_t value, HitSink& sink) {
    for (std::size_t v = in.first; v <= in.last; ++v) {
        const ScanWord* words = in.values.words.data() + in.data.firstWords()[v];
        const auto count = static_cast<int>(in.data.firstWords()[v + 1] - in.data.firstWords()[v]);
        for (int i = 0; i < count; ++i) {
            std::int64_t primary = 0, alternate = 0;
            for (int j = i; j < count; ++j) {
                primary += words[j].primary;
                alternate += words[j].alternate;
                if (primary > value) break;
                if (primary != value && !(alternate > primary && alternate == value)) continue;
                Hit hit;
                hit.verse = in.data.ids()[v];
                hit.wordCount = count;
                hit.firstWord = i;
                hit.lastWord = j;
                hit.alternate = primary != value;
                sink.add(hit);
                break;
            }
        }
    }
}

/// Runs both ways over the verses from `first` to `last` for every value;
/// returns the number of hits, so that a test sees it was not vacuous.
long CompareScans(const SearchData& data, std::size_t first, std::size_t last,
                  const std::vector<std::int32_t>& values) {
    long hits = 0;
    SearchObserver observer;
    for (const Method method : kMethods) {
        const ScanInput in{data, data.values(method), first, last};
        for (const std::int32_t value : values) {
            for (const std::int16_t type : {kWordCount, kLetterCount, kGematria}) {
                Lines fast, plain;
                MatchMultipleLine(in, value, type, fast, observer);
                PlainVerseRuns(in, value, type, plain);
                EXPECT_EQ(fast.lines, plain.lines) << "verse runs " << value << " type " << type
                                                   << " method " << MethodName(method);
                hits += static_cast<long>(plain.lines.size());
            }
            Lines wide, portable;
            MatchSingleWord(in, value, wide);
            MatchSingleWord(in, value, portable, ScanPath::Portable);
            EXPECT_EQ(wide.lines, portable.lines)
                << "words " << value << " method " << MethodName(method);
            Lines plain;
            PlainPhrases(in, value, plain);
            for (const ScanPath path :
                 {ScanPath::Best, ScanPath::Portable, ScanPath::FromScratch}) {
                Lines fast;
                MatchMultipleWord(in, value, fast, path);
                EXPECT_EQ(fast.lines, plain.lines) << "phrases " << value << " method "
                                                   << MethodName(method) << " path " << int(path);
            }
            hits += static_cast<long>(plain.lines.size());
        }
    }
    return hits;
}

/// Short words of small letters, some with a final letter (a pair of
/// values), in verses of 1 to 12 words over three books.
void WriteGeneratedData(const std::string& appPath) {
    const std::vector<std::string> letters = {"א", "ב", "ג", "ד", "ך", "ם"};
    std::mt19937 random(7);
    std::vector<HebrewTestVerse> verses;
    for (int book = 1; book <= 3; ++book) {
        for (int verse = 1; verse <= 25; ++verse) {
            std::string hebrew;
            for (auto words = random() % 12 + 1; words > 0; --words) {
                if (!hebrew.empty()) hebrew += ' ';
                for (auto n = random() % 2 + 1; n > 0; --n) hebrew += letters[random() % 6];
            }
            verses.push_back({book, 1, verse, hebrew, "E"});
        }
    }
    WriteHebrewAppFolder(appPath, verses);
}

TEST(FastScansTest, generatedData_sameHitsAsAddingEveryRun) {
    TempDir dir;
    WriteGeneratedData(dir.path());
    const SearchData data(dir.path());
    std::vector<std::int32_t> values;
    for (std::int32_t value = 1; value <= 1300; value += value < 120 ? 1 : 7)
        values.push_back(value);
    values.push_back(2147483647);  // targets beyond 31 bits
    EXPECT_GT(CompareScans(data, 0, data.verseCount() - 1, values), 10000);
    EXPECT_GT(CompareScans(data, 20, 55, values), 1000) << "within a range";
}

TEST(FastScansTest, realData_sameHitsAsAddingEveryRun) {
    const char* shared = std::getenv("VELLUMARK_REALDATA");
    if (!shared || !std::filesystem::exists(std::string(shared) + "/Data/LineData.dat"))
        GTEST_SKIP() << "the real data was not built";
    const SearchData data(shared);
    EXPECT_GT(
        CompareScans(data, 0, data.verseCount() - 1, {1, 3, 26, 100, 913, 2701, 12345, 1000000}),
        100000);
}

/// A batch of values (unsorted, one twice) in one pass against one search
/// per value, for every match and method, over all verses and a range.
void CompareBatch(const std::string& appPath, const std::vector<std::int32_t>& values) {
    const SearchData data(appPath);
    SearchObserver observer;
    for (const Method method : kMethods) {
        if (!IsSearchMethod(method)) continue;
        for (const auto& [match, type] : {std::pair{Match::Words, kGematria},
                                          {Match::Phrases, kGematria},
                                          {Match::Verses, kWordCount},
                                          {Match::Verses, kLetterCount},
                                          {Match::Verses, kGematria},
                                          {Match::VerseRuns, kGematria}}) {
            for (const auto& scope : {std::optional<VerseScope>(),
                                      std::optional<VerseScope>({data.ids()[2], data.ids()[40]})}) {
                SearchRequest request{appPath, "r", "", 0, match, type, method, scope};
                Lines batch, single;
                std::vector<std::int32_t> seen;
                const long hits = RunSearchBatch(request, values, data, batch, observer,
                                                 [&](const SearchRequest& one) {
                                                     seen.push_back(one.value);
                                                     return true;
                                                 });
                for (const std::int32_t value : values) {
                    request.value = value;
                    RunSearch(request, data, single, observer);
                }
                EXPECT_EQ(batch.lines, single.lines)
                    << "match " << int(match) << " type " << type << " method "
                    << MethodName(method) << (scope ? " in a range" : "");
                EXPECT_EQ(seen, values);
                EXPECT_EQ(hits, std::count_if(single.lines.begin(), single.lines.end(),
                                              [](const std::string& line) {
                                                  return line != "begin" && line != "finish";
                                              }));
            }
        }
    }
}

TEST(FastScansTest, batchInOnePass_sameAsOneSearchPerValue) {
    TempDir dir;
    WriteGeneratedData(dir.path());
    std::vector<std::int32_t> values = {913, 26, 3, 26, 1000000};
    for (std::int32_t value = 1; value <= 700; value += value < 100 ? 1 : 13)
        values.push_back(value);
    CompareBatch(dir.path(), values);

    const char* shared = std::getenv("VELLUMARK_REALDATA");
    if (!shared || !std::filesystem::exists(std::string(shared) + "/Data/LineData.dat")) return;
    CompareBatch(shared, {2701, 26, 86, 913, 1, 7, 26, 30, 100, 400, 1000000});
}

}  // namespace

// The verse-run and phrase scans, which find their runs from running sums,
// against the plain search that adds every run up again, over generated
// data and the real data, under every method.
#include "search/Scans.h"
#include "search/SearchData.h"
#include "search/Searches.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

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
    void add(const Hit& h) override {
        lines.push_back(Name(h.verse) + (h.alternate ? " alt" : "") + " words " +
                        std::to_string(h.firstWord) + "-" + std::to_string(h.lastWord) + "/" +
                        std::to_string(h.wordCount) + " run " + Name(h.runEnd) + " +" +
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
            Lines fast, plain;
            MatchMultipleWord(in, value, fast);
            PlainPhrases(in, value, plain);
            EXPECT_EQ(fast.lines, plain.lines)
                << "phrases " << value << " method " << MethodName(method);
            hits += static_cast<long>(plain.lines.size());
        }
    }
    return hits;
}

TEST(RunningSumsTest, generatedData_sameHitsAsAddingEveryRun) {
    // Short words of small letters, some with a final letter (a pair of
    // values), in verses of 1 to 12 words over three books.
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
    TempDir dir;
    WriteHebrewAppFolder(dir.path(), verses);
    const SearchData data(dir.path());
    std::vector<std::int32_t> values;
    for (std::int32_t value = 1; value <= 1300; value += value < 120 ? 1 : 7)
        values.push_back(value);
    EXPECT_GT(CompareScans(data, 0, data.verseCount() - 1, values), 10000);
    EXPECT_GT(CompareScans(data, 20, 55, values), 1000) << "within a range";
}

TEST(RunningSumsTest, realData_sameHitsAsAddingEveryRun) {
    const char* shared = std::getenv("VELLUMARK_REALDATA");
    if (!shared || !std::filesystem::exists(std::string(shared) + "/Data/LineData.dat"))
        GTEST_SKIP() << "the real data was not built";
    const SearchData data(shared);
    EXPECT_GT(
        CompareScans(data, 0, data.verseCount() - 1, {1, 3, 26, 100, 913, 2701, 12345, 1000000}),
        100000);
}

}  // namespace

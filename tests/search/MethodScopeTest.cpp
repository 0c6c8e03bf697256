#include "data/Errors.h"
#include "search/EqualValues.h"
#include "search/SearchData.h"
#include "search/Searches.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

using namespace vellumark;
using testing_support::Block;
using testing_support::CrLf;
using testing_support::ReadFile;
using testing_support::Report;

namespace {

const std::string& kLink = testing_support::kEntryLink;
const std::string kSeparator = "<br>" + std::string(55, '+');

/// A hit's two report lines: the link to verse `n` (of the six below) with `text` after
/// it, and the verse's English block.
std::string Hit(int n, const std::string& text) {
    static const char* const kRefs[] = {"Gen 1:1", "Gen 1:2", "Gen 1:3",
                                        "Gen 2:1", "Exo 1:1", "Exo 1:2"};
    const std::string number = std::to_string(n);
    return kLink + number + "'><b>" + kRefs[n - 1] + " </b></a>" + text + "\r\n" +
           Block("E" + number);
}

/// Watches the progress of a verse-run search.
class Progress : public SearchObserver {
public:
    void progressPrepared(int max) override { maximum = max; }
    void progressValue(int value) override { last = value; }
    int maximum = -1;
    int last = -1;
};

VerseScope Range(std::int16_t c1, std::int16_t v1, std::int16_t b2, std::int16_t c2,
                 std::int16_t v2) {
    return {{1, c1, v1}, {b2, c2, v2}};
}

Scope Named(const char* typed) { return ParseScope(typed).scope; }

/// The words' values by method (standard, final, ordinal, reduced, atbash):
///   אם 41 601 14 5 410   ית 410 410 32 5 41   כל 50 50 23 5 50
///   ד  4 4 4 4 100        ק 100 100 19 1 4
/// Word counts per verse: 2 1 2 2 2 1.
class MethodScopeTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing_support::WriteHebrewAppFolder(dir.path(), {{1, 1, 1, "אם ית", "E1"},
                                                           {1, 1, 2, "כל", "E2"},
                                                           {1, 1, 3, "ד ק", "E3"},
                                                           {1, 2, 1, "ית ד", "E4"},
                                                           {2, 1, 1, "כל ד", "E5"},
                                                           {2, 1, 2, "אם", "E6"}});
    }
    /// The report of one search, on its own or, with `shared`, over data read once.
    std::string run(Match match, std::int16_t type, Method method, std::int32_t value,
                    std::optional<Scope> scope = std::nullopt, const SearchData* shared = nullptr) {
        const SearchRequest request{dir.path(), "r", header, value, match, type, method, scope};
        progress = Progress();
        if (shared)
            RunSearch(request, *shared, progress);
        else
            RunSearch(request, progress);
        return ReadFile(dir.file("Report/r.html"));
    }

    testing_support::TempDir dir;
    std::string header;
    Progress progress;
};

// Without a range every match is reported; a range keeps hits inside and cuts runs at its
// ends. A search on its own reads the records up to the range's end only.
TEST_F(MethodScopeTest, methodsAndScopes_wholeReport) {
    const auto W = Match::Words, P = Match::Phrases, V = Match::Verses, R = Match::VerseRuns;
    const auto G = kGematria, C = kWordCount;
    const Method SF = Method::StandardAndFinal, Ord = Method::Ordinal, Red = Method::Reduced;
    const std::optional<Scope> all;
    const struct {
        const char* name;
        Match match;
        std::int16_t type;
        Method method;
        std::int32_t value;
        std::optional<Scope> scope;
        std::vector<std::string> body;
        std::optional<int> progressMax;  ///< checked when set
    } cases[] = {
        // clang-format off
        {"final value: a plain hit", W, G, Method::Final, 601, all, {"<p>Method: Final letters.</p>",
         Hit(1, "  <b><i>אם</i></b> ית"), Hit(6, "  <b><i>אם</i></b>")}, {}},
        {"the default: an alternate hit", W, G, SF, 601, all,
         {Hit(1, "  <b><i>(אם)</i></b> ית"), Hit(6, "  <b><i>(אם)</i></b>")}, {}},
        {"verses by reduced", V, G, Red, 5, all,
         {"<p>Method: Reduced.</p>", Hit(2, " כל"), Hit(3, " ד ק"), Hit(6, " אם")}, {}},
        {"runs by reduced", R, G, Red, 10, all, {"<p>Method: Reduced.</p>", Hit(1, " אם ית"),
         kSeparator, Hit(2, " כל"), kLink + "3'><b>Gen 1:3</b></a>  ד ק", Block("E3"), kSeparator}, {}},
        {"word count ignores the method", R, C, Ord, 3, all,
         {"<br>Gen  1:1 - Gen  1:2", "<br>Gen  1:2 - Gen  1:3", "<br>Exo  1:1 - Exo  1:2"}, {}},
        {"starts inside a book", R, C, SF, 3, Range(1, 2, 1, 2, 1),
         {"<p>Range: Genesis 1:2 to Genesis 2:1.</p>", "<br>Gen  1:2 - Gen  1:3"}, 2},
        {"cuts a run", R, C, SF, 3, Range(1, 1, 1, 1, 2),
         {"<p>Range: Genesis 1:1 to Genesis 1:2.</p>", "<br>Gen  1:1 - Gen  1:2"}, 1},
        {"ends at a book's end", R, C, SF, 4, Range(1, 3, 1, 2, 1),
         {"<p>Range: Genesis 1:3 to Genesis 2:1.</p>", "<br>Gen  1:3 - Gen  2:1"}, 1},
        {"a single verse", R, C, SF, 1, Range(1, 2, 1, 1, 2),
         {"<p>Range: Genesis 1:2.</p>", "<br>Gen  1:2"}, 0},
        {"verses inside", V, C, SF, 1, Range(1, 2, 2, 1, 1),
         {"<p>Range: Genesis 1:2 to Exodus 1:1.</p>", Hit(2, " כל")}, -1},
        {"words of verses inside", W, C, SF, 41, Range(1, 2, 2, 1, 2),
         {"<p>Range: Genesis 1:2 to Exodus 1:2.</p>", Hit(6, "  <b><i>אם</i></b>")}, -1},
        {"phrases by albam", P, G, Method::Albam, 401, all, {"<p>Method: Albam.</p>",
         Hit(2, "  <b><i>כל</i></b>"), Hit(5, "  <b><i>כל</i></b> ד")}, -1},
        {"phrases by a method in a range", P, C, Ord, 23, Range(1, 3, 2, 1, 1),
         {"<p>Method: Ordinal. Range: Genesis 1:3 to Exodus 1:1.</p>",
          Hit(3, "  <b><i>ד ק</i></b>"), Hit(5, "  <b><i>כל</i></b> ד")}, -1},
        {"runs stay in the range they start in", R, C, SF, 3, Named("Gen 1:1-2, Gen 1:3-2:1"),
         {"<p>Scope: Genesis 1:1-2, Genesis 1:3 to Genesis 2:1.</p>", "<br>Gen  1:1 - Gen  1:2"}, 3},
        {"verses of a book and a portion", V, C, SF, 2, Named("Exodus, Bereshit"),
         {"<p>Scope: Exodus, Bereshit (Genesis 1:1 to Genesis 6:8).</p>", Hit(1, " אם ית"),
          Hit(3, " ד ק"), Hit(4, " ית ד"), Hit(5, " כל ד")}, -1},
        // clang-format on
    };
    const SearchData whole(dir.path());
    for (const auto& c : cases) {
        for (const SearchData* shared : {static_cast<const SearchData*>(nullptr), &whole}) {
            SCOPED_TRACE(std::string(c.name) + (shared ? ", data read once" : ""));
            EXPECT_EQ(run(c.match, c.type, c.method, c.value, c.scope, shared),
                      Report(c.body, c.match == Match::Words));
            if (c.progressMax) {
                EXPECT_EQ(progress.maximum, *c.progressMax);
                if (*c.progressMax >= 0) {
                    EXPECT_EQ(progress.last, *c.progressMax);
                }
            }
        }
    }
    header = "H";
    EXPECT_EQ(
        run(V, G, Method::Atbash, 141, Range(1, 1, 2, 1, 2)),
        Report({"<p>", "<h2>H</h2>", "<p>",
                "<p>Method: Atbash. Range: Genesis 1:1 to Exodus 1:2.</p>", Hit(4, " ית ד")}));

    // All methods: a heading per method that finds the value, in the methods' order.
    SearchRequest request{dir.path(),       "r", "", 410, W, G, Method::Ordinal, {},
                          Reading::Written, true};
    RunSearch(request, whole, progress);
    const std::string ya = "  אם <b><i>ית</i></b>", yd = "  <b><i>ית</i></b> ד";
    EXPECT_EQ(ReadFile(dir.file("Report/r.html")),
              Report({"<p>Method: All methods.</p>", "<h3>Standard and final letters</h3>",
                      Hit(1, ya), Hit(4, yd), "<h3>Standard</h3>", Hit(1, ya), Hit(4, yd),
                      "<h3>Final letters</h3>", Hit(1, ya), Hit(4, yd), "<h3>Atbash</h3>",
                      Hit(1, "  <b><i>אם</i></b> ית"), Hit(6, "  <b><i>אם</i></b>")},
                     true));
    // Integral reduced is no sum of its words: no search takes it.
    request.allMethods = false;
    request.method = Method::IntegralReduced;
    EXPECT_NE(testing_support::ErrorText<DataError>([&] {
                  RunSearch(request, whole, progress);
              }).find("Integral reduced cannot be searched"),
              std::string::npos);
}

/// Counts the hits of a search.
class CountOnly : public HitSink {
public:
    void add(const vellumark::Hit&) override {}
};

// The scans stop adding words or verses once the sum passes the value. Under every search
// method each search finds exactly what trying every word, phrase, verse and run finds: one
// hit per verse with a matching word, per phrase start, per verse and per run start.
TEST_F(MethodScopeTest, earlyStop_findsWhatTryingEverythingFinds) {
    const std::vector<std::vector<std::string>> verses = {{"אם", "ית"}, {"כל"},      {"ד", "ק"},
                                                          {"ית", "ד"},  {"כל", "ד"}, {"אם"}};
    const std::vector<int> books = {1, 1, 1, 1, 2, 2};
    const SearchData data(dir.path());
    for (Method method : kMethods) {
        if (!IsSearchMethod(method) || method == Method::StandardAndFinal) continue;
        SCOPED_TRACE(MethodName(method));
        std::vector<std::vector<std::int64_t>> words;
        std::vector<std::int64_t> verseValues;
        for (const auto& verse : verses) {
            words.emplace_back();
            for (const std::string& word : verse) words.back().push_back(TextValue(word, method));
            verseValues.push_back(WordsValue(verse, method));
        }
        std::set<std::int64_t> values;
        for (const auto& verse : words)
            for (std::size_t i = 0; i < verse.size(); ++i)
                for (std::size_t j = i, sum = 0; j < verse.size(); ++j)
                    values.insert(static_cast<std::int64_t>(sum += verse[j]));
        for (std::int64_t value : values) {
            long counts[4] = {};
            for (std::size_t v = 0; v < verses.size(); ++v) {
                bool wordHit = false;
                for (std::size_t i = 0; i < words[v].size(); ++i) {
                    wordHit = wordHit || words[v][i] == value;
                    std::int64_t sum = 0;
                    bool phraseHit = false;
                    for (std::size_t j = i; j < words[v].size(); ++j)
                        phraseHit = phraseHit || (sum += words[v][j]) == value;
                    counts[1] += phraseHit;
                }
                counts[0] += wordHit;
                counts[2] += verseValues[v] == value;
                std::int64_t run = 0;
                bool runHit = false;
                for (std::size_t w = v; w < verses.size() && books[w] == books[v]; ++w)
                    runHit = runHit || (run += verseValues[w]) == value;
                counts[3] += runHit;
            }
            const Match matches[] = {Match::Words, Match::Phrases, Match::Verses, Match::VerseRuns};
            for (int m = 0; m < 4; ++m) {
                CountOnly sink;
                const SearchRequest request{
                    dir.path(), "r",       "",     static_cast<std::int32_t>(value),
                    matches[m], kGematria, method, {}};
                EXPECT_EQ(RunSearch(request, data, sink, progress).hits, counts[m])
                    << "value " << value << ", match " << m;
            }
        }
    }
}

// The calculator's counts: words, phrases of two words or more, verses, per search method.
TEST_F(MethodScopeTest, equalValues_countedPerMethod) {
    const SearchData data(dir.path());
    auto counts = [&](std::int64_t value, int maxWords, Method method) {
        for (const EqualCounts& c : CountEqualValues(data, value, maxWords))
            if (c.method == method) return std::vector<long>{c.words, c.phrases, c.verses};
        return std::vector<long>{};
    };
    EXPECT_EQ(counts(54, 2, Method::Standard), (std::vector<long>{0, 1, 1}));  // כל ד
    EXPECT_EQ(counts(54, 1, Method::Standard), (std::vector<long>{0, 0, 1}));
    EXPECT_EQ(counts(41, 2, Method::StandardAndFinal), (std::vector<long>{2, 0, 1}));
    EXPECT_EQ(counts(601, 2, Method::StandardAndFinal), (std::vector<long>{2, 0, 1}));
    EXPECT_EQ(counts(41, 2, Method::Atbash), (std::vector<long>{2, 0, 0}));  // ית twice
    EXPECT_EQ(counts(41, 2, Method::IntegralReduced), std::vector<long>{});
}

/// Counts what the calculator counts: the matched words, the phrases of 2 to `maxWords`
/// words, the verses.
class EqualSink : public HitSink {
public:
    EqualSink(Match match, int maxWords) : match_(match), maxWords_(maxWords) {}
    void add(const vellumark::Hit& hit) override {
        if (match_ == Match::Words)
            count +=
                static_cast<long>(hit.wordCount - std::count(hit.marks.begin(),
                                                             hit.marks.begin() + hit.wordCount, 0));
        else
            count += match_ != Match::Phrases ||
                     (hit.lastWord > hit.firstWord && hit.lastWord - hit.firstWord < maxWords_);
    }
    long count = 0;

private:
    Match match_;
    int maxWords_;
};

// The calculator's counts are what the searches find, under every search method and for
// every value a word, phrase or verse has; the matrix's words are the same counts.
TEST_F(MethodScopeTest, equalValues_matchTheSearches) {
    const SearchData data(dir.path());
    const std::vector<std::vector<std::string>> verses = {{"אם", "ית"}, {"כל"},      {"ד", "ק"},
                                                          {"ית", "ד"},  {"כל", "ד"}, {"אם"}};
    std::set<std::int64_t> values;
    for (Method method : {Method::Standard, Method::Final, Method::Ordinal, Method::Cubes})
        for (const auto& verse : verses)
            for (std::size_t i = 0; i < verse.size(); ++i)
                for (std::size_t j = i + 1; j <= verse.size(); ++j)
                    values.insert(WordsValue({verse.begin() + i, verse.begin() + j}, method));
    for (std::int64_t value : values) {
        for (int maxWords : {1, 2}) {
            const std::vector<EqualCounts> counts = CountEqualValues(data, value, maxWords);
            const EqualWordsMatrix matrix = CountEqualWords(data, {{Method::Standard, value}});
            for (std::size_t m = 0; m < counts.size(); ++m) {
                SCOPED_TRACE(std::string(MethodName(counts[m].method)) + " " +
                             std::to_string(value) + " " + std::to_string(maxWords));
                const long expected[] = {counts[m].words, counts[m].phrases, counts[m].verses};
                const Match matches[] = {Match::Words, Match::Phrases, Match::Verses};
                for (int k = 0; k < 3; ++k) {
                    EqualSink sink(matches[k], maxWords);
                    SearchRequest request;
                    request.value = static_cast<std::int32_t>(value);
                    request.match = matches[k];
                    request.method = counts[m].method;
                    RunSearch(request, data, sink, progress);
                    EXPECT_EQ(sink.count, expected[k]) << "match " << k;
                }
                EXPECT_EQ(matrix.counts[0][m], counts[m].words);
            }
        }
    }
    EXPECT_EQ(EqualWordsCsv(CountEqualWords(data, {{Method::IntegralReduced, 5}})).substr(0, 50),
              "method,value,standard-final,standard,final,ordinal");
}

TEST_F(MethodScopeTest, textOrScopeNotAgreeing_isADataErrorAndKeepsTheReport) {
    const std::string hebrew = dir.file("Data/Hebrew.txt");
    const std::string hint = " Rebuild the data with vellumark-data.";
    const struct {
        const char* name;
        std::vector<std::string> hebrew;
        std::optional<Scope> scope;
        std::string message;
    } cases[] = {
        // clang-format off
        {"a double space: a word more", {"Gen 1:1 אם ית", "Gen 1:2 כל", "Gen 1:3 ד  ק"}, {},
         hebrew + ", Gen 1:3: the line has 3 words and the verse's word block 2." + hint},
        {"a line missing", {"Gen 1:1 אם ית", "Gen 1:3 ד ק"}, {},
         hebrew + ", line 2: the line should hold Gen 1:2." + hint},
        {"a scope backwards", {"Gen 1:1 אם ית", "Gen 1:2 כל"}, Range(1, 3, 1, 1, 2),
         dir.file("Data/LineData.dat") + ": the verses from Gen 1:3 to Gen 1:2 were not found in file order."},
        {"a scope outside the data", {"Gen 1:1 אם ית", "Gen 1:2 כל", "Gen 1:3 ד ק", "Gen 2:1 ית ד", "Exo 1:1 כל ד", "Exo 1:2 אם"}, Named("Writings"),
         dir.file("Data/LineData.dat") + ": no verse of the scope Writings is in the data."},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testing_support::WriteFile(hebrew, CrLf(c.hebrew));
        testing_support::WriteFile(dir.file("Report/r.html"), "previous");
        EXPECT_EQ(testing_support::ErrorText<DataError>(
                      [&] { run(Match::Words, kGematria, Method::Ordinal, 4, c.scope); }),
                  c.message);
        EXPECT_EQ(ReadFile(dir.file("Report/r.html")), "previous");
    }
    // Word Count reads no value from the text: a text cut short after the range does not matter.
    EXPECT_EQ(run(Match::Verses, kWordCount, Method::Atbash, 1, Range(1, 1, 1, 1, 2)),
              Report({"<p>Range: Genesis 1:1 to Genesis 1:2.</p>", Hit(2, " כל")}));
}

// The Prophets skip Ruth, which the data holds between Judges and Samuel.
TEST(NamedScopeTest, prophets_skipRuth) {
    testing_support::TempDir dir;
    testing_support::WriteHebrewAppFolder(
        dir.path(), {{7, 1, 1, "אם", "E1"}, {8, 1, 1, "אם", "E2"}, {9, 1, 1, "אם", "E3"}});
    SearchObserver observer;
    RunSearch({dir.path(), "r", "", 1, Match::Verses, kWordCount, Method::StandardAndFinal,
               Named("Prophets")},
              observer);
    EXPECT_EQ(
        ReadFile(dir.file("Report/r.html")),
        Report({"<p>Scope: Prophets.</p>", kLink + "1'><b>Judg 1:1 </b></a> אם\r\n" + Block("E1"),
                kLink + "3'><b>1 Sam 1:1 </b></a> אם\r\n" + Block("E3")}));
}

// The read text comes from Data/Qere; the English stays the one of Data.
TEST(ReadTextTest, searchesTheQereFilesAndSaysSo) {
    testing_support::TempDir dir, read;
    testing_support::WriteHebrewAppFolder(dir.path(),
                                          {{1, 1, 1, "אם", "E1"}, {1, 1, 2, "כל", "E2"}});
    testing_support::WriteHebrewAppFolder(read.path(),
                                          {{1, 1, 1, "כל", "Q1"}, {1, 1, 2, "אם ד", "Q2"}});
    std::filesystem::create_directory(dir.file("Data/Qere"));
    for (const char* file : {"LineData.dat", "WordMatrix.dat", "Hebrew.txt"})
        std::filesystem::copy_file(read.file(std::string("Data/") + file),
                                   dir.file(std::string("Data/Qere/") + file));
    SearchRequest request{dir.path(), "r", "", 41, Match::Words};
    request.reading = Reading::Read;
    SearchObserver observer;
    RunSearch(request, observer);
    EXPECT_EQ(ReadFile(dir.file("Report/r.html")),
              Report({"<p>Text: read (qere).</p>",
                      kLink + "2'><b>Gen 1:2 </b></a>  <b><i>אם</i></b> ד\r\n" + Block("E2")},
                     true));
}

}  // namespace

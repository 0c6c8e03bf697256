// Checks on the data built from the real sources (Debian's bibledit-data). They
// are skipped where the package is not installed. Under ctest they read the data
// that the realdata_build test made (VELLUMARK_REALDATA); run alone, they build it.
#include "data/Books.h"
#include "data/EnglishLookup.h"
#include "data/Portions.h"
#include "data/TextStream.h"
#include "data/VerseRecordFile.h"
#include "data/VerseTexts.h"
#include "data/WordRecordFile.h"
#include "databuilder/DataBuilder.h"
#include "databuilder/Sources.h"
#include "search/SearchData.h"
#include "search/Searches.h"
#include "support/Fixtures.h"
#include "totals/RangeTotals.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <numeric>
#include <set>

using namespace vellumark;
using testing_support::ReadFile;

namespace {

class RealDataTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!std::filesystem::exists(VELLUMARK_SOURCES "/kjv.xml")) return;
        // Reports go to a folder of our own, beside a link to the shared data.
        app = std::make_unique<testing_support::TempDir>();
        const char* shared = std::getenv("VELLUMARK_REALDATA");
        const std::filesystem::path sharedData =
            std::filesystem::path(shared ? shared : "") / "Data";
        if (shared && std::filesystem::exists(sharedData / "LineData.dat"))
            std::filesystem::create_directory_symlink(sharedData, app->file("Data"));
        else
            summary = std::make_unique<databuilder::BuildSummary>(
                databuilder::BuildData(VELLUMARK_SOURCES, app->file("Data")));
        std::filesystem::create_directories(app->file("Report"));
    }
    static void TearDownTestSuite() { app.reset(), summary.reset(); }
    void SetUp() override {
        if (!app) GTEST_SKIP() << "bibledit-data is not installed";
    }
    static std::string data(const char* file) { return app->file(std::string("Data/") + file); }
    static std::string search(Match match, std::int32_t value,
                              Method method = Method::StandardAndFinal,
                              std::optional<VerseScope> scope = std::nullopt) {
        SearchObserver observer;
        RunSearch({app->path(), "real", "", value, match, kGematria, method, scope}, observer);
        return ReadFile(app->file("Report/real.html"));
    }

    static inline std::unique_ptr<testing_support::TempDir> app;
    static inline std::unique_ptr<databuilder::BuildSummary> summary;
};

TEST_F(RealDataTest, recordsAgreeWithWordBlocksAndHebrewLines) {
    EXPECT_EQ(std::filesystem::file_size(data("LineData.dat")), 324982u);
    // The shared build fails its own test on a lost verse.
    if (summary) {
        EXPECT_TRUE(summary->lostKjvVerses.empty()) << summary->lostKjvVerses.front();
    }
    VerseRecordFile records(data("LineData.dat"));
    WordRecordFile words(data("WordMatrix.dat"));
    TextStream hebrew(data("Hebrew.txt"));
    VerseRecord record;
    VerseBlock block;
    std::string_view line;
    int count = 0;
    while (records.next(record)) {
        ++count;
        ASSERT_TRUE(words.next(block));
        ASSERT_TRUE(hebrew.readLine(line));
        const VerseId id = IdentityOf(record, "LineData.dat");
        ASSERT_EQ((VerseId{block.book, block.chapter, block.verse}), id);
        const std::string key = VerseKey(id.book, id.chapter, id.verse);
        ASSERT_EQ(line.substr(0, key.size()), key);
        // The values and the words of the lines are compared in the last test.
        const std::string_view text = line.substr(key.size());
        const auto spaces = std::count(text.begin(), text.end(), ' ');
        ASSERT_EQ(record[VerseRecord::WordCount], static_cast<int>(block.words.size())) << key;
        ASSERT_EQ(record[VerseRecord::LetterCount], static_cast<int>(text.size() - spaces) / 2)
            << key;
    }
    EXPECT_EQ(count, 23213);
    EXPECT_FALSE(words.next(block));
}

// Every verse is looked up in order and has its text, the same through the verse texts'
// index; every verse that the versification map moves names its KJV verse, a line that
// names one KJV verse (or none) shows that verse's text unchanged, and exactly eight
// pairs of lines share their KJV verse.
TEST_F(RealDataTest, englishShowsEveryVerseAndNamesTheKjvVerses) {
    const databuilder::EnglishText kjv = databuilder::ReadKjv(VELLUMARK_SOURCES "/kjv.xml");
    const auto verseMap = databuilder::ReadVerseMap(VELLUMARK_SOURCES "/morphhb/VerseMap.xml");
    VerseRecordFile records(data("LineData.dat"));
    TextStream english(data("EnglishOT.html"));
    TextStream lines(data("EnglishOT.html"));
    const VerseTexts texts(app->path());
    VerseRecord record;
    std::string_view line;
    std::set<std::string> shared;
    int anchor = 0;
    while (records.next(record)) {
        const VerseId id = IdentityOf(record, "LineData.dat");
        const std::string name = VerseName(id.book, id.chapter, id.verse);
        const EnglishVerse shown =
            SplitEnglishVerse(GetEnglishVerse(english, id.book, id.chapter, id.verse), "x");
        ASSERT_EQ(shown.anchor, ++anchor);
        ASSERT_EQ(texts.english(id).block(), shown.block) << name;
        ASSERT_GT(shown.block.size(), 60u) << name;
        do {
            ASSERT_TRUE(lines.readLine(line));
        } while (!line.starts_with("<P>"));
        std::string_view text = line.substr(line.find("> ") + 2);
        int chapter = id.chapter, verse = id.verse;
        char after = ')';
        if (text.starts_with("(KJV ")) {
            const std::string note(text.substr(0, text.find(") ") + 2));
            text.remove_prefix(note.size());
            if (const auto with = note.find(", shared with Hebrew "); with != std::string::npos)
                shared.insert(name + "/" + note.substr(with + 21, note.size() - with - 23));
            if (std::sscanf(note.c_str(), "(KJV %d:%d%c", &chapter, &verse, &after) != 3) continue;
        } else {
            EXPECT_FALSE(verseMap.count({id.book, id.chapter, id.verse})) << name << " has no note";
        }
        if (after == ')' || after == ',') {
            ASSERT_EQ(text, kjv.verses.at({id.book, chapter, verse})) << name;
        }
    }
    EXPECT_EQ(shared,
              (std::set<std::string>{
                  "Num 25:19/26:1", "Num 26:1/25:19", "1 Sam 20:42/21:1", "1 Sam 21:1/20:42",
                  "1 Kings 22:43/22:44", "1 Kings 22:44/22:43", "1 Chron 12:4/12:5",
                  "1 Chron 12:5/12:4", "Ps 51:1/51:2", "Ps 51:2/51:1", "Ps 52:1/52:2",
                  "Ps 52:2/52:1", "Ps 54:1/54:2", "Ps 54:2/54:1", "Ps 60:1/60:2", "Ps 60:2/60:1"}));
    // Looked up behind the last verse: notes naming several KJV verses, or a title. The
    // Hebrew 1 Kgs 18:34 and 20:3 begin with the end of the KJV verse before them; the
    // KJV's Neh 7:68, which the Hebrew lacks, ends Neh 7:67.
    const struct {
        std::int16_t book, chapter, verse;
        std::string first, last;
    } notes[] = {
        // clang-format off
        {11, 18, 34, "(KJV 18:33–34) And he put the wood",   "the third time."},
        {11, 20, 3,  "(KJV 20:2–3) And he sent messengers",  "<i>are</i> mine."},
        {16, 7,  67, "(KJV 7:67–68) Beside their manservants", "two hundred forty and five:"},
        {19, 3,  1,  "(KJV title) A Psalm of David, when he fled", "Absalom his son."},
        // clang-format on
    };
    for (const auto& [book, chapter, verse, first, last] : notes) {
        const std::string text = GetEnglishVerse(english, book, chapter, verse);
        EXPECT_NE(text.find("'blue'> " + first), std::string::npos) << text;
        EXPECT_NE(text.find(last + "</font>"), std::string::npos) << text;
    }
}

// The verse texts in any order: the last verse first, a KJV note, a shared KJV verse,
// markup dropped, a run's next verse.
TEST_F(RealDataTest, verseTextsInAnyOrder) {
    const VerseTexts texts(app->path());
    EXPECT_EQ(texts.english({39, 3, 24}).anchor, 23213);
    EXPECT_EQ(texts.hebrewWords({1, 1, 1}), "בראשית ברא אלהים את השמים ואת הארץ");
    EXPECT_TRUE(texts.plainEnglish({1, 32, 1}).starts_with("(KJV 31:55) And early in the morning"));
    EXPECT_TRUE(texts.plainEnglish({4, 25, 19})
                    .starts_with("(KJV 26:1, shared with Hebrew 26:1) And it came to pass after"));
    const auto afterNote = [](std::string_view text) { return text.substr(text.find(") ") + 2); };
    EXPECT_EQ(afterNote(texts.plainEnglish({4, 26, 1})),
              afterNote(texts.plainEnglish({4, 25, 19})));
    EXPECT_NE(texts.plainEnglish({1, 1, 2}).find(" and darkness was upon"), std::string::npos);
    EXPECT_EQ(texts.plainEnglish({1, 1, 31}, 1), texts.plainEnglish({1, 2, 1}));
    EXPECT_EQ(texts.hebrewRunLine({1, 1, 31}, 1).reference, "Gen 2:1");
}

TEST_F(RealDataTest, totalsOfGenesisOneOneAndOfEverything) {
    const auto totals = [](const RangeTotals& t) {
        return std::vector<std::int64_t>{t.words, t.letters, t.gematria, t.altGematria};
    };
    // Gen 1:1 has final mem twice at 600 and final tsadi at 900.
    EXPECT_EQ(totals(CalculateRangeTotals(data("LineData.dat"), 1, 1, 1, 1, 1, 1)),
              (std::vector<std::int64_t>{7, 28, 2701, 4631}));
    EXPECT_EQ(totals(CalculateRangeTotals(data("LineData.dat"), 1, 1, 1, 39, 3, 24)),
              (std::vector<std::int64_t>{305507, 1197042, 78091408, 122344138}));
    EXPECT_EQ(CalculateMethodTotal(app->path(), {{1, 1, 1}, {1, 1, 1}}, Method::Ordinal),
              TextValue("בראשית ברא אלהים את השמים ואת הארץ", Method::Ordinal));
}

TEST_F(RealDataTest, searchesFindGenesisOne) {
    EXPECT_NE(search(Match::Verses, 2701).find("<b>Gen 1:1 </b></a> בראשית"), std::string::npos);
    EXPECT_NE(search(Match::Words, 913).find("#1'><b>Gen 1:1 </b></a>  <b><i>בראשית</i></b> ברא"),
              std::string::npos);
    EXPECT_NE(
        search(Match::Phrases, 2701)
            .find("#1'><b>Gen 1:1 </b></a>  <b><i>בראשית ברא אלהים את השמים ואת הארץ</i></b>\r\n"),
        std::string::npos);
    // בראשית by atbash: ש 300 + ג 3 + ת 400 + ב 2 + מ 40 + א 1
    EXPECT_TRUE(search(Match::Words, 746, Method::Atbash, VerseScope{{1, 1, 1}, {1, 1, 31}})
                    .starts_with("<html>\r\n<head>\r\n</head>\r\n<body>\r\n"
                                 "<p>Method: Atbash. Range: Genesis 1:1 to Genesis 1:31.</p>\r\n"
                                 "<p><a href='..\\Data\\EnglishOT.html#1'><b>Gen 1:1 </b></a>  "
                                 "<b><i>בראשית</i></b> ברא"));
    // Through data loaded once, its texts kept from one search to the next: the same bytes.
    const SearchData loaded(app->path());
    SearchObserver observer;
    for (const auto& [match, value] : {std::pair{Match::Words, 913}, {Match::VerseRuns, 2701}}) {
        const std::string single = search(match, value);
        RunSearch({app->path(), "real", "", value, match, kGematria}, loaded, observer);
        EXPECT_EQ(ReadFile(app->file("Report/real.html")), single);
    }
}

// The values computed from the letters equal the stored ones for every word and verse,
// and each method's total over the text equals the sum of its verses.
TEST_F(RealDataTest, computedValues_equalTheRecordsAndTheTotals) {
    const SearchData loaded(app->path());
    const MethodValues& stored = loaded.values(Method::StandardAndFinal);
    const MethodValues& standard = loaded.values(Method::Standard);
    const MethodValues& final = loaded.values(Method::Final);
    ASSERT_EQ(loaded.verseCount(), 23213u);
    ASSERT_EQ(stored.words.size(), 305507u);
    std::size_t differing = 0;
    for (std::size_t k = 0; k < stored.words.size(); ++k) {
        differing += standard.words[k].primary != stored.words[k].primary ||
                     final.words[k].primary != stored.words[k].alternate;
    }
    EXPECT_EQ(differing, 0u);
    EXPECT_EQ(standard.verses, stored.verses);
    EXPECT_EQ(final.verses, stored.verseAlternates);
    // Every other search method: its words add up to its verses, and to the total that
    // Range Totals counts from the lines of Hebrew.txt.
    for (Method method : kMethods) {
        if (!IsSearchMethod(method) || static_cast<int>(method) <= static_cast<int>(Method::Final))
            continue;
        const MethodValues& values = loaded.values(method);
        std::int64_t words = 0;
        for (const ScanWord& word : values.words) words += word.primary;
        const std::int64_t verses =
            std::accumulate(values.verses.begin(), values.verses.end(), std::int64_t{0});
        EXPECT_EQ(words, verses) << MethodName(method);
        EXPECT_EQ(CalculateMethodTotal(app->path(), {{1, 1, 1}, {39, 3, 24}}, method), verses)
            << MethodName(method);
    }
}

}  // namespace

// The portions follow one another verse by verse in the data's numbering and
// together hold the Torah.
TEST_F(RealDataTest, portions_tileTheTorah) {
    const SearchData loaded(app->path());
    std::size_t next = 0;
    for (const Portion& portion : kPortions) {
        ASSERT_EQ(loaded.ids()[next], portion.verses.first) << portion.name;
        const std::optional<std::size_t> last = loaded.find(portion.verses.last, next);
        ASSERT_TRUE(last) << portion.name;
        next = *last + 1;
    }
    EXPECT_EQ(loaded.ids()[next - 1], (VerseId{5, 34, 12}));
    EXPECT_EQ(loaded.ids()[next].book, 6);
}

namespace {

/// Words, letters and gematria of a text.
struct Counts {
    long words = 0, letters = 0, gematria = 0;
    bool operator==(const Counts&) const = default;
};

/// The consonants of an XML fragment: the bytes of U+05D0 to U+05EA.
std::string Letters(std::string_view text) {
    std::string letters;
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '\xD7' && text[i + 1] >= '\x90' && text[i + 1] <= '\xAA')
            letters += text.substr(i++, 2);
    return letters;
}

/// The written and read totals of one book file, counted from its text without
/// an XML parser: <w> elements outside notes are written and read; a qere note's
/// words replace the last words read whose letters make its catch word.
void CountBook(const std::string& xml, Counts& written, Counts& read) {
    static const int kValues[27] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10,  20,  20,  30, 40,
                                    40, 50, 50, 60, 70, 80, 80, 90, 90, 100, 200, 300, 400};
    auto add = [](Counts& c, const std::string& letters, int sign) {
        c.words += sign;
        c.letters += sign * static_cast<long>(letters.size() / 2);
        for (std::size_t i = 1; i < letters.size(); i += 2)
            c.gematria += sign * kValues[static_cast<unsigned char>(letters[i]) - 0x90];
    };
    auto wordsIn = [](std::string_view text) {
        std::vector<std::string> words;
        for (std::size_t at = 0; (at = text.find("<w", at)) != std::string::npos; ++at) {
            if (text[at + 2] != ' ' && text[at + 2] != '>') continue;
            const std::size_t open = text.find('>', at) + 1;
            words.push_back(Letters(text.substr(open, text.find("</w>", open) - open)));
        }
        return words;
    };
    std::vector<std::string> readWords;  // of the current verse
    for (std::size_t at = 0; (at = xml.find('<', at)) != std::string::npos; ++at) {
        const std::string_view tag(xml.data() + at, std::min<std::size_t>(30, xml.size() - at));
        if (tag.starts_with("<verse")) {
            readWords.clear();
        } else if (tag.starts_with("<w ") || tag.starts_with("<w>")) {
            const std::size_t end = xml.find("</w>", at);
            readWords.push_back(wordsIn(xml.substr(at, end + 4 - at)).front());
            add(written, readWords.back(), 1);
            add(read, readWords.back(), 1);
            at = end;
        } else if (tag.starts_with("<note")) {
            const std::size_t end = xml.find("</note>", at);
            const std::string note = xml.substr(at, end - at);
            at = end;
            const std::size_t rdg = note.find("<rdg type=\"x-qere\"");
            if (rdg == std::string::npos) continue;
            const std::size_t cw = note.find("<catchWord>");
            const std::string catchWord =
                cw == std::string::npos ? ""
                                        : Letters(note.substr(cw, note.find("</catchWord>") - cw));
            std::string replaced;
            while (replaced.size() < catchWord.size()) {
                replaced.insert(0, readWords.back());
                add(read, readWords.back(), -1);
                readWords.pop_back();
            }
            ASSERT_EQ(replaced, catchWord);
            for (const std::string& word : wordsIn(note.substr(rdg))) {
                readWords.push_back(word);
                add(read, word, 1);
            }
        }
    }
}

Counts RecordTotals(const std::string& lineData) {
    Counts c;
    VerseRecordFile file(lineData);
    VerseRecord r;
    while (file.next(r)) {
        c.words += r[VerseRecord::WordCount];
        c.letters += r[VerseRecord::LetterCount];
        c.gematria += r[VerseRecord::Gematria];
    }
    return c;
}

}  // namespace

// Both readings' totals against counts made from the source files' text.
TEST_F(RealDataTest, qere_totalsOfBothReadingsMatchTheSource) {
    Counts written, read;
    for (const std::string_view book : databuilder::kOsisBooks)
        CountBook(ReadFile(VELLUMARK_SOURCES "/morphhb/" + std::string(book) + ".xml"), written,
                  read);
    EXPECT_EQ(RecordTotals(data("LineData.dat")), written);
    EXPECT_EQ(RecordTotals(data("Qere/LineData.dat")), read);
    EXPECT_EQ(written.words, 305507);
    EXPECT_NE(read.words, written.words);
}

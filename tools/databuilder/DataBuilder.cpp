#include "databuilder/DataBuilder.h"

#include "data/AppPaths.h"
#include "data/AtomicFile.h"
#include "data/Books.h"
#include "data/VerseRecordFile.h"
#include "data/WordRecordFile.h"
#include "databuilder/EnglishPage.h"
#include "databuilder/Sources.h"

#include <filesystem>

namespace databuilder {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMaxWords = vellumark::VerseBlock::kMaxWords;
constexpr int kMax16 = 32767;
constexpr int kMaxUnsigned16 = 65535;

struct VerseTotals {
    int letters = 0;
    int gematria = 0;
    int altGematria = 0;
};

VerseTotals Check(const HebrewVerse& verse, const std::vector<Word>& words,
                  const HebrewVerse* previous) {
    const std::string name = RefName(verse.ref);
    if (previous && std::get<0>(previous->ref) == std::get<0>(verse.ref) &&
        !(previous->ref < verse.ref))
        throw BuildError(name + " does not follow " + RefName(previous->ref) + " in verse order.");
    if (words.size() > kMaxWords)
        throw BuildError(name + " has " + std::to_string(words.size()) +
                         " words; the data files hold at most 46.");
    VerseTotals totals;
    for (std::size_t k = 0; k < words.size(); ++k) {
        const Word& word = words[k];
        if (word.letters.empty())
            throw BuildError(name + ": word " + std::to_string(k + 1) + " has no Hebrew letters.");
        totals.letters += static_cast<int>(word.letters.size() / 2);
        totals.gematria += word.gematria;
        totals.altGematria += word.altGematria;
    }
    if (totals.letters > kMax16 || totals.gematria > kMax16 ||
        totals.altGematria > kMaxUnsigned16 || std::get<1>(verse.ref) > kMax16 ||
        std::get<2>(verse.ref) > kMax16)
        throw BuildError(name + " has a value above what its field in LineData.dat holds.");
    return totals;
}

/// The three files of one reading of the text: LineData.dat, WordMatrix.dat
/// and Hebrew.txt in one folder.
class TextFiles {
public:
    explicit TextFiles(const std::string& dir)
        : lineData_(Target(dir, vellumark::kLineDataFile)),
          wordMatrix_(Target(dir, vellumark::kWordMatrixFile)),
          hebrew_(Target(dir, vellumark::kHebrewFile)) {}

    void add(const HebrewVerse& verse, const std::vector<Word>& verseWords,
             const HebrewVerse* previous) {
        const VerseTotals totals = Check(verse, verseWords, previous);
        const auto [book, chapter, verseNumber] = verse.ref;
        lineData_.write(vellumark::EncodeVerseRecord(
            {book, chapter, verseNumber, static_cast<int>(verseWords.size()), totals.letters,
             totals.gematria, totals.altGematria}));
        std::string words;
        for (int field : {0, book, chapter, verseNumber})
            words += vellumark::EncodeWordField(field);
        std::string line =
            vellumark::VerseKey(static_cast<std::int16_t>(book), static_cast<std::int16_t>(chapter),
                                static_cast<std::int16_t>(verseNumber));
        for (std::size_t k = 0; k < verseWords.size(); ++k) {
            const Word& word = verseWords[k];
            if (word.gematria != word.altGematria)
                words += vellumark::EncodeWordField(-word.gematria);
            words += vellumark::EncodeWordField(word.altGematria);
            if (k > 0) line += ' ';
            line += word.letters;
        }
        wordMatrix_.write(words);
        hebrew_.line(line);
    }

    void commit() {
        lineData_.commit();
        wordMatrix_.commit();
        hebrew_.commit();
    }

private:
    static std::string Target(const std::string& dir, const char* name) {
        return (fs::path(dir) / name).string();
    }
    vellumark::AtomicFile lineData_;
    vellumark::AtomicFile wordMatrix_;
    vellumark::AtomicFile hebrew_;
};

}  // namespace

BuildSummary BuildData(const std::string& sourcesDir, const std::string& dataDir) {
    const std::string morphhb = (fs::path(sourcesDir) / "morphhb").string();
    const std::string verseMapPath = (fs::path(morphhb) / "VerseMap.xml").string();
    const std::string kjvPath = (fs::path(sourcesDir) / "kjv.xml").string();
    for (const std::string& path : {verseMapPath, kjvPath}) {
        if (!fs::exists(path))
            throw BuildError(path +
                             " was not found. It comes with Debian's package bibledit-data "
                             "(apt-get install bibledit-data).");
    }

    std::vector<HebrewVerse> verses;
    for (int book = 1; book <= 39; ++book) {
        const std::string path =
            (fs::path(morphhb) / (std::string(kOsisBooks[book - 1]) + ".xml")).string();
        if (!fs::exists(path))
            throw BuildError(path +
                             " was not found. It comes with Debian's package bibledit-data "
                             "(apt-get install bibledit-data).");
        std::vector<HebrewVerse> bookVerses = ReadHebrewBook(path, book);
        for (HebrewVerse& verse : bookVerses) verses.push_back(std::move(verse));
    }
    const std::map<Ref, VerseMapEntry> verseMap = ReadVerseMap(verseMapPath);
    const EnglishText kjv = ReadKjv(kjvPath);

    BuildSummary summary;
    const EnglishPlan plan = PlanEnglish(verses, verseMap, kjv, summary.lostKjvVerses);
    const std::vector<std::string> notes = KjvNotes(verses, plan, kjv);

    const std::string qereDir = (fs::path(dataDir) / vellumark::kQereFolder).string();
    fs::create_directories(qereDir);
    TextFiles written(dataDir);
    TextFiles read(qereDir);
    vellumark::AtomicFile english((fs::path(dataDir) / vellumark::kEnglishFile).string());
    for (const std::string& line : EnglishHead()) english.line(line);

    const HebrewVerse* previous = nullptr;
    int anchor = 0;
    for (const HebrewVerse& verse : verses) {
        written.add(verse, verse.words, previous);
        read.add(verse, verse.qere, previous);
        const auto [book, chapter, verseNumber] = verse.ref;
        const auto b = static_cast<std::int16_t>(book);
        const auto c = static_cast<std::int16_t>(chapter);
        const auto v = static_cast<std::int16_t>(verseNumber);
        ++anchor;

        if (!previous || std::get<0>(previous->ref) != book) {
            english.line("<h2>" + std::string(vellumark::kBookNames[book - 1]) + "</h2>");
        }
        const auto k = static_cast<std::size_t>(anchor - 1);
        if (plan[k].empty())
            throw BuildError(RefName(verse.ref) + " has no English text in the KJV.");
        std::string text = notes[k];
        for (const auto& [kjvBook, kjvChapter, kjvVerse] : plan[k]) {
            if (!text.empty()) text += ' ';
            text += kjvVerse == 0 ? kjv.psalmTitles.at({kjvBook, kjvChapter})
                                  : kjv.verses.at({kjvBook, kjvChapter, kjvVerse});
        }
        english.line(vellumark::EnglishVerseKey(b, c, v) + "wbr  id=" + std::to_string(anchor) +
                     "> " + text);
        previous = &verse;
    }
    english.line("</body>");
    english.line("</html>");

    summary.verses = anchor;
    written.commit();
    read.commit();
    english.commit();
    return summary;
}

}  // namespace databuilder

#include "databuilder/DataBuilder.h"

#include "data/AppPaths.h"
#include "data/AtomicFile.h"
#include "data/Books.h"
#include "data/VerseRecordFile.h"
#include "data/WordRecordFile.h"
#include "databuilder/Sources.h"

#include <algorithm>
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

VerseTotals Check(const HebrewVerse& verse, const HebrewVerse* previous) {
    const std::string name = RefName(verse.ref);
    if (previous && std::get<0>(previous->ref) == std::get<0>(verse.ref) &&
        !(previous->ref < verse.ref))
        throw BuildError(name + " does not follow " + RefName(previous->ref) + " in verse order.");
    if (verse.words.size() > kMaxWords)
        throw BuildError(name + " has " + std::to_string(verse.words.size()) +
                         " words; the data files hold at most 46.");
    VerseTotals totals;
    for (std::size_t k = 0; k < verse.words.size(); ++k) {
        const Word& word = verse.words[k];
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

/// For each Hebrew verse, the KJV verses whose text it shows; none for a
/// psalm's superscription, which shows the KJV's title of the psalm.
std::vector<std::vector<Ref>> PlanEnglish(const std::vector<HebrewVerse>& verses,
                                          const std::map<Ref, VerseMapEntry>& verseMap,
                                          const EnglishText& kjv, std::vector<std::string>& lost) {
    // In a psalm with a title, the Hebrew verses before the one that holds KJV
    // verse 1 are its superscription.
    std::map<std::pair<int, int>, int> firstProperVerse;
    for (const auto& [wlc, entry] : verseMap) {
        for (const Ref& ref : entry.kjv) {
            const auto [book, chapter, verse] = ref;
            if (verse == 1 && kjv.psalmTitles.count({book, chapter})) {
                int& first = firstProperVerse[{book, chapter}];
                first = std::max(first, std::get<2>(wlc));
            }
        }
    }
    std::vector<std::vector<Ref>> plan;
    std::map<Ref, std::size_t> shownBy;
    for (const HebrewVerse& verse : verses) {
        const auto [book, chapter, number] = verse.ref;
        std::vector<Ref> refs;
        const auto entry = verseMap.find(verse.ref);
        const auto proper = firstProperVerse.find({book, chapter});
        if (proper != firstProperVerse.end() && number < proper->second) {
            // superscription: no KJV verse
        } else if (entry == verseMap.end()) {
            refs.push_back(verse.ref);
        } else {
            const VerseMapEntry& e = entry->second;
            refs = e.kjv;
            // Only one part of the Hebrew verse is mapped: the other keeps its number.
            if (!e.whole && e.partA != e.partB) {
                if (e.partA)
                    refs.push_back(verse.ref);
                else
                    refs.insert(refs.begin(), verse.ref);
            }
        }
        for (const Ref& ref : refs) shownBy.emplace(ref, plan.size());
        plan.push_back(std::move(refs));
    }
    // A KJV verse that the Hebrew lacks goes with the verse before it.
    for (const auto& [ref, text] : kjv.verses) {
        if (std::get<0>(ref) < 1 || shownBy.count(ref)) continue;
        const auto [book, chapter, verse] = ref;
        const auto before = shownBy.find({book, chapter, verse - 1});
        if (before == shownBy.end()) {
            lost.push_back(RefName(ref));
            continue;
        }
        plan[before->second].push_back(ref);
        shownBy.emplace(ref, before->second);
    }
    return plan;
}

std::string EnglishHead() {
    return R"(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>The Old Testament in English, verse by verse in Hebrew numbering</title>
<style>
body { font-family: Georgia, serif; max-width: 46em; margin: 2em auto; line-height: 1.5; }
p { margin: 0.2em 0; }
p:has(> :target) { background: #fff3b0; }
</style>
</head>
<body>
<h1>The Old Testament in English</h1>
<p class="about">Each line below is one verse of the Hebrew Old Testament, in the books, chapters and verses of the Hebrew text; where the King James Version numbers a verse differently, the line shows the KJV text that the Hebrew verse holds, and a psalm's superscription stands as its verse 1 (or 1 and 2) as in the Hebrew. Words in italics were added by the translators.</p>
<p class="about">Sources: the Open Scriptures Hebrew Bible (the Westminster Leningrad Codex with morphology), by Open Scriptures, licensed under Creative Commons Attribution 4.0 (CC BY 4.0), with the versification map that comes with it; the King James Version (1769), in the public domain. Both as shipped by Debian's package bibledit-data.</p>
<p class="about">Counting rules: the words of a verse are the words of the written Hebrew text (a reading noted in the margin, the qere, is not counted). A word's letters are the 27 Hebrew letter forms; vowel points, accents, maqaf, sof pasuq and paseq are not counted. Gematria: alef 1 to tet 9, yod 10 to tsadi 90, qof 100 to tav 400; the final forms kaf, mem, nun, pe and tsadi count as their letter. Alternative gematria: the same, except that the final forms count 500, 600, 700, 800 and 900. A verse's values are the sums of its words' values.</p>)";
}

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
    const std::vector<std::vector<Ref>> plan =
        PlanEnglish(verses, verseMap, kjv, summary.lostKjvVerses);

    fs::create_directories(dataDir);
    auto target = [&dataDir](const char* name) { return (fs::path(dataDir) / name).string(); };
    vellumark::AtomicFile lineData(target(vellumark::kLineDataFile));
    vellumark::AtomicFile wordMatrix(target(vellumark::kWordMatrixFile));
    vellumark::AtomicFile hebrew(target(vellumark::kHebrewFile));
    vellumark::AtomicFile english(target(vellumark::kEnglishFile));
    english.write(EnglishHead());
    english.write("\r\n");

    const HebrewVerse* previous = nullptr;
    int anchor = 0;
    for (const HebrewVerse& verse : verses) {
        const VerseTotals totals = Check(verse, previous);
        const auto [book, chapter, verseNumber] = verse.ref;
        const auto b = static_cast<std::int16_t>(book);
        const auto c = static_cast<std::int16_t>(chapter);
        const auto v = static_cast<std::int16_t>(verseNumber);
        ++anchor;

        lineData.write(vellumark::EncodeVerseRecord(
            {book, chapter, verseNumber, static_cast<int>(verse.words.size()), totals.letters,
             totals.gematria, totals.altGematria}));
        std::string words;
        for (int field : {0, book, chapter, verseNumber})
            words += vellumark::EncodeWordField(field);
        std::string line = vellumark::VerseKey(b, c, v);
        for (std::size_t k = 0; k < verse.words.size(); ++k) {
            const Word& word = verse.words[k];
            if (word.gematria != word.altGematria)
                words += vellumark::EncodeWordField(-word.gematria);
            words += vellumark::EncodeWordField(word.altGematria);
            if (k > 0) line += ' ';
            line += word.letters;
        }
        wordMatrix.write(words);
        hebrew.line(line);

        if (!previous || std::get<0>(previous->ref) != book) {
            english.line("<h2>" + std::string(vellumark::kBookNames[book - 1]) + "</h2>");
        }
        std::string text;
        const std::vector<Ref>& kjvRefs = plan[static_cast<std::size_t>(anchor - 1)];
        if (kjvRefs.empty()) text = kjv.psalmTitles.at({book, chapter});
        for (const Ref& ref : kjvRefs) {
            const auto found = kjv.verses.find(ref);
            if (found == kjv.verses.end() || found->second.empty()) continue;
            if (!text.empty()) text += ' ';
            text += found->second;
        }
        if (text.empty()) throw BuildError(RefName(verse.ref) + " has no English text in the KJV.");
        english.line(vellumark::EnglishVerseKey(b, c, v) + "wbr  id=" + std::to_string(anchor) +
                     "> " + text);
        previous = &verse;
    }
    english.line("</body>");
    english.line("</html>");

    summary.verses = anchor;
    lineData.commit();
    wordMatrix.commit();
    hebrew.commit();
    english.commit();
    return summary;
}

}  // namespace databuilder

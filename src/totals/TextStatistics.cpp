#include "totals/TextStatistics.h"

#include "data/Books.h"
#include "data/Errors.h"
#include "data/TextStream.h"
#include "data/VerseRecordFile.h"

#include <algorithm>
#include <set>
#include <utility>

namespace vellumark {

namespace {

bool InRanges(const VerseId& id, const std::vector<VerseScope>& ranges) {
    if (ranges.empty()) return true;
    for (const VerseScope& range : ranges)
        if (range.first <= id && id <= range.last) return true;
    return false;
}

/// The middle numbers of `count` things: one when odd, two when even.
Middle MiddleOf(long count) {
    Middle middle;
    if (count == 0) return middle;
    middle.even = count % 2 == 0;
    middle.number = middle.even ? count / 2 : (count + 1) / 2;
    return middle;
}

/// Sets the place of a middle whose number (or the one after it) is `n`.
void Mark(Middle& middle, long n, const TextPlace& place) {
    if (n == middle.number) middle.first = place;
    if (middle.even && n == middle.number + 1) middle.second = place;
}

/// Calls `at(unit, n, place)` for every verse, word and letter of `ranges` in
/// text order, each unit counted from 1.
template <typename At>
void Walk(const std::vector<VerseId>& ids, const std::vector<std::string>& words,
          const std::vector<VerseScope>& ranges, At at) {
    long verse = 0, word = 0, letter = 0;
    for (std::size_t v = 0; v < ids.size(); ++v) {
        if (!InRanges(ids[v], ranges)) continue;
        at(TextUnit::Verse, ++verse, {ids[v], 0, 0});
        const std::string& text = words[v];
        int wordOfVerse = text.empty() ? 0 : 1;
        if (wordOfVerse) at(TextUnit::Word, ++word, {ids[v], 1, 0});
        int letterOfWord = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == ' ') {
                at(TextUnit::Word, ++word, {ids[v], ++wordOfVerse, 0});
                letterOfWord = 0;
            } else if (text[i] == '\xD7' && i + 1 < text.size() &&
                       static_cast<unsigned char>(text[i + 1]) >= 0x90 &&
                       static_cast<unsigned char>(text[i + 1]) <= 0xAA) {
                at(TextUnit::Letter, ++letter, {ids[v], wordOfVerse, ++letterOfWord});
                ++i;
            }
        }
    }
}

/// "א" to "ת": the two bytes of U+05D0 + form.
std::string Form(int form) { return {'\xD7', static_cast<char>(0x90 + form)}; }

std::string Figure(long value) { return value ? std::to_string(value) : std::string(); }

}  // namespace

PublishedFigures PublishedFor(std::string_view name) {
    // The verses of the final Masorah of each book of the Torah; the letters
    // of the Torah as the printed editions (Koren) and the Leningrad Codex give them.
    static constexpr std::pair<std::string_view, PublishedFigures> kFigures[] = {
        {"Genesis", {1534, 0, 0}}, {"Exodus", {1209, 0, 0}},     {"Leviticus", {859, 0, 0}},
        {"Numbers", {1288, 0, 0}}, {"Deuteronomy", {955, 0, 0}}, {"Torah", {5845, 304805, 304850}}};
    for (const auto& [scope, figures] : kFigures)
        if (scope == name) return figures;
    return {};
}

std::string StatisticsCsv(const std::vector<Statistics>& rows) {
    std::string out = "scope,chapters,verses,words,letters,gematria";
    for (int f = 0; f < kLetterForms; ++f) out.append(",").append(Form(f));
    out += ",traditional_verses,printed_letters,leningrad_letters\n";
    for (const Statistics& s : rows) {
        out.append("\"").append(s.name).append("\"");
        for (std::int64_t number : {std::int64_t{s.chapters}, std::int64_t{s.verses},
                                    std::int64_t{s.words}, std::int64_t{s.letters}, s.gematria})
            out.append(",").append(std::to_string(number));
        for (long count : s.forms) out.append(",").append(std::to_string(count));
        for (const auto& figure :
             {s.published.verses, s.published.printedLetters, s.published.leningradLetters})
            out.append(",").append(Figure(figure));
        out += "\n";
    }
    return out;
}

TextVerses::TextVerses(const std::string& appPath, Reading reading) {
    const std::string lineData = TextPath(appPath, reading, kLineDataFile);
    const std::string hebrewPath = TextPath(appPath, reading, kHebrewFile);
    VerseRecordFile records(lineData);
    TextStream hebrew(hebrewPath);
    VerseRecord record;
    std::string_view line;
    while (records.next(record)) {
        const VerseId id = IdentityOf(record, lineData);
        const std::string key = VerseKey(id.book, id.chapter, id.verse);
        if (!hebrew.readLine(line) || !line.starts_with(key))
            throw DataError(hebrewPath + ": the line of " +
                            VerseName(id.book, id.chapter, id.verse) +
                            " is missing or out of place." + kRebuildHint);
        ids_.push_back(id);
        words_.emplace_back(line.substr(key.size()));
    }
}

Statistics TextVerses::statistics(const std::string& name, const std::vector<VerseScope>& ranges,
                                  Method method) const {
    WordCounter counter(method);
    Statistics s;
    s.name = name;
    std::set<std::pair<std::int16_t, std::int16_t>> chapters;
    for (std::size_t v = 0; v < ids_.size(); ++v) {
        if (!InRanges(ids_[v], ranges)) continue;
        chapters.insert({ids_[v].book, ids_[v].chapter});
        ++s.verses;
        const std::string& text = words_[v];
        if (!text.empty())
            s.words += 1 + static_cast<long>(std::count(text.begin(), text.end(), ' '));
        for (std::size_t start = 0; start < text.size();) {
            const std::size_t end = std::min(text.find(' ', start), text.size());
            ForEachLetter(std::string_view(text).substr(start, end - start), [&](int form) {
                ++s.letters;
                ++s.forms[static_cast<std::size_t>(form)];
                counter.letter(form);
            });
            s.gematria += counter.end();
            start = end + 1;
        }
    }
    // Integral reduced takes the whole scope as one text.
    if (method == Method::IntegralReduced) s.gematria = DigitalRoot(s.gematria);
    s.chapters = static_cast<long>(chapters.size());

    // A second pass finds the middles.
    s.middleVerse = MiddleOf(s.verses);
    s.middleWord = MiddleOf(s.words);
    s.middleLetter = MiddleOf(s.letters);
    Walk(ids_, words_, ranges, [&s](TextUnit unit, long n, const TextPlace& place) {
        Mark(unit == TextUnit::Verse  ? s.middleVerse
             : unit == TextUnit::Word ? s.middleWord
                                      : s.middleLetter,
             n, place);
    });
    s.published = PublishedFor(name);
    return s;
}

std::vector<Statistics> TextVerses::table(Method method) const {
    std::vector<Statistics> rows;
    for (std::int16_t book = 1; book <= kBookCount; ++book)
        rows.push_back(statistics(std::string(kBookNames[book - 1]), {BookVerses(book)}, method));
    for (const Section& section : Sections())
        rows.push_back(statistics(std::string(section.name), section.ranges, method));
    rows.push_back(statistics("Whole text", {}, method));
    return rows;
}

std::optional<TextPlace> TextVerses::locate(const std::vector<VerseScope>& ranges, TextUnit unit,
                                            long n) const {
    std::optional<TextPlace> found;
    if (n < 1) return found;
    Walk(ids_, words_, ranges, [&](TextUnit counted, long number, const TextPlace& place) {
        if (counted == unit && number == n) found = place;
    });
    return found;
}

}  // namespace vellumark

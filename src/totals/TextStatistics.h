#pragma once

#include "data/AppPaths.h"
#include "data/Gematria.h"
#include "data/Scope.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vellumark {

/// Where one letter, word or verse of a scope lies: its verse, and the word
/// of the verse and letter of the word (from 1; 0 where it does not apply).
struct TextPlace {
    VerseId verse;
    int word = 0;
    int letter = 0;
};

/// The middle of N things: the ((N + 1) / 2)th when N is odd; when N is even
/// the (N / 2)th and the one after it, `second` then set.
struct Middle {
    long number = 0;  ///< 0: nothing to take the middle of
    TextPlace first;
    bool even = false;
    TextPlace second;
};

/// The published figures a reader compares a scope's counts with (0 where
/// none is published); their sources are named in the Sources section.
struct PublishedFigures {
    long verses = 0;            ///< the traditional verse division (the Masoretic notes)
    long printedLetters = 0;    ///< the count of the printed editions (Koren)
    long leningradLetters = 0;  ///< the count of the Leningrad Codex
};

/// The published figures of a section or book by its name ("Torah", "Genesis").
PublishedFigures PublishedFor(std::string_view name);

/// What a scope of the text holds: counts, its gematria by a method, how often
/// each of the 27 letter forms occurs, and its middle verse, word and letter.
struct Statistics {
    std::string name;
    long chapters = 0;
    long verses = 0;
    long words = 0;
    long letters = 0;
    std::int64_t gematria = 0;
    std::array<long, kLetterForms> forms{};
    Middle middleVerse;
    Middle middleWord;
    Middle middleLetter;
    PublishedFigures published;  ///< those of a scope named as a book or section
};

/// The table as CSV: a header line, then one line a row with its counts, its
/// 27 letter forms and its published figures (empty where none), each line
/// ending in LF. "scope,chapters,verses,words,letters,gematria,א,…,ת,
/// traditional_verses,printed_letters,leningrad_letters".
std::string StatisticsCsv(const std::vector<Statistics>& rows);

/// What "Go to" counts: the Nth verse, word or letter of a scope.
enum class TextUnit { Verse, Word, Letter };

/// The verses of one reading of the text, read once from its LineData.dat and
/// Hebrew.txt (which must agree line by line: else a DataError).
class TextVerses {
public:
    TextVerses(const std::string& appPath, Reading reading);

    /// The statistics of the verses of `ranges` (all when empty), named `name`.
    Statistics statistics(const std::string& name, const std::vector<VerseScope>& ranges,
                          Method method) const;

    /// The rows the statistics table shows: each book, the three sections and
    /// the whole text, in that order.
    std::vector<Statistics> table(Method method) const;

    /// Where the `n`th (from 1) verse, word or letter of `ranges` (all when
    /// empty) lies; none when the scope holds fewer.
    std::optional<TextPlace> locate(const std::vector<VerseScope>& ranges, TextUnit unit,
                                    long n) const;

private:
    std::vector<VerseId> ids_;
    std::vector<std::string> words_;  ///< per verse its words' letters, single spaces between
};

}  // namespace vellumark

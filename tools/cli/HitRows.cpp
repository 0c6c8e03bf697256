#include "cli/HitRows.h"

#include "data/AppPaths.h"
#include "data/Books.h"
#include "data/Errors.h"
#include "data/VerseTexts.h"

#include <vector>

namespace vellumark::cli {

namespace {

/// The words of a verse's Hebrew text, split at single spaces as the report
/// splits them; the text must hold every word the word record file counts.
std::vector<std::string_view> WordsOf(std::string_view text, const VerseId& id, int wordCount) {
    std::vector<std::string_view> words;
    for (std::size_t start = 0; !text.empty();) {
        const std::size_t space = text.find(' ', start);
        words.push_back(text.substr(start, space - start));
        if (space == std::string_view::npos) break;
        start = space + 1;
    }
    if (words.size() < static_cast<std::size_t>(wordCount)) {
        throw DataError(std::string(kHebrewFile) + ", " + VerseName(id.book, id.chapter, id.verse) +
                        ": the line has " + std::to_string(words.size()) + " words, word " +
                        std::to_string(words.size() + 1) + " is wanted." + kRebuildHint);
    }
    return words;
}

}  // namespace

RowSink::RowSink(const SearchData& data, RowHandler handler)
    : data_(data), handler_(std::move(handler)) {}

void RowSink::add(const Hit& hit) {
    const VerseTexts& texts = data_.texts();
    const VerseId& id = hit.verse;
    HitRow row;
    row.value = request_.value;
    row.method = request_.method;
    row.match = request_.match;
    row.verse = id;
    row.alternate = hit.alternate;
    row.english = texts.plainEnglish(id);
    switch (request_.match) {
        case Match::Words: {
            const std::vector<std::string_view> words =
                WordsOf(texts.hebrewWords(id), id, hit.wordCount);
            for (int k = 0; k < hit.wordCount; ++k) {
                if (hit.marks[k] == 0) continue;
                row.firstWord = row.lastWord = k + 1;
                row.hebrew = words[k];
                row.alternate = hit.marks[k] == 2;
                handler_(row);
            }
            return;
        }
        case Match::Phrases: {
            const std::vector<std::string_view> words =
                WordsOf(texts.hebrewWords(id), id, hit.wordCount);
            row.firstWord = hit.firstWord + 1;
            row.lastWord = hit.lastWord + 1;
            for (int k = hit.firstWord; k <= hit.lastWord; ++k) {
                if (k > hit.firstWord) row.hebrew += ' ';
                row.hebrew += words[k];
            }
            break;
        }
        case Match::Verses:
            row.hebrew = texts.hebrewWords(id);
            break;
        case Match::VerseRuns:
            row.end = hit.runEnd;
            row.hebrew = texts.hebrewWords(id);
            for (int k = 1; k <= hit.furtherVerses; ++k) {
                row.hebrew.append(" ").append(texts.hebrewWords(id, k));
                row.english.append(" ").append(texts.plainEnglish(id, k));
            }
            break;
    }
    handler_(row);
}

}  // namespace vellumark::cli

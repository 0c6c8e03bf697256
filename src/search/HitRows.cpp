#include "search/HitRows.h"

#include "data/AppPaths.h"
#include "data/Books.h"
#include "data/Errors.h"
#include "data/VerseTexts.h"
#include "search/ByteScan.h"

namespace vellumark {

namespace {

/// The words of a verse's Hebrew text, as the report splits them; the text
/// must hold every word the word record file counts.
WordWalker WordsOf(std::string_view text, const VerseId& id, int wordCount) {
    const std::size_t count = CountWords(text);
    if (count < static_cast<std::size_t>(wordCount)) {
        throw DataError(std::string(kHebrewFile) + ", " + VerseName(id.book, id.chapter, id.verse) +
                        ": the line has " + std::to_string(count) + " words, word " +
                        std::to_string(count + 1) + " is wanted." + kRebuildHint);
    }
    return WordWalker(text);
}

}  // namespace

RowSink::RowSink(const SearchData& data, RowHandler handler)
    : data_(data), handler_(std::move(handler)) {}

void RowSink::add(const Hit& hit) {
    if (!texts_) texts_ = &data_.texts();
    const VerseTexts& texts = *texts_;
    const VerseId& id = hit.verse;
    HitRow row;
    row.value = request_.value;
    row.method = request_.allMethods ? hit.method : request_.method;
    row.allMethods = request_.allMethods && UsesMethod(request_);
    row.match = request_.match;
    row.verse = id;
    row.alternate = hit.alternate;
    row.english = texts.plainEnglish(id);
    switch (request_.match) {
        case Match::Words: {
            WordWalker words = WordsOf(texts.hebrewWords(id), id, hit.wordCount);
            for (int k = 0; k < hit.wordCount; ++k) {
                if (hit.marks[k] == 0) continue;
                row.firstWord = row.lastWord = k + 1;
                row.hebrew = words.word(static_cast<std::size_t>(k));
                row.alternate = hit.marks[k] == 2;
                handler_(row);
            }
            return;
        }
        case Match::Phrases: {
            WordWalker words = WordsOf(texts.hebrewWords(id), id, hit.wordCount);
            row.firstWord = hit.firstWord + 1;
            row.lastWord = hit.lastWord + 1;
            // The words stand in the text separated by single spaces.
            const std::string_view first = words.word(static_cast<std::size_t>(hit.firstWord));
            const std::string_view last = words.word(static_cast<std::size_t>(hit.lastWord));
            row.hebrew = std::string_view(
                first.data(), static_cast<std::size_t>(last.data() + last.size() - first.data()));
            break;
        }
        case Match::Verses:
            row.hebrew = texts.hebrewWords(id);
            break;
        case Match::VerseRuns:
            row.end = hit.runEnd;
            runHebrew_ = texts.hebrewWords(id);
            runEnglish_ = row.english;
            for (int k = 1; k <= hit.furtherVerses; ++k) {
                runHebrew_.append(" ").append(texts.hebrewWords(id, k));
                runEnglish_.append(" ").append(texts.plainEnglish(id, k));
            }
            row.hebrew = runHebrew_;
            row.english = runEnglish_;
            break;
    }
    handler_(row);
}

}  // namespace vellumark

#include "search/HitRows.h"

#include "data/AppPaths.h"
#include "data/Errors.h"
#include "data/VerseTexts.h"
#include "search/VerseWords.h"

namespace vellumark {

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
            // The verse's rows go on only once its line is checked.
            VerseWords words(texts.hebrewWords(id), id, kHebrewFile, kRebuildHint);
            marked_.clear();
            for (int k = 0; k < hit.wordCount; ++k)
                if (hit.marks[k] != 0) marked_.emplace_back(k, words.word(k));
            words.holds(hit.wordCount);
            for (const auto& [k, word] : marked_) {
                row.firstWord = row.lastWord = k + 1;
                row.hebrew = word;
                row.alternate = hit.marks[k] == 2;
                handler_(row);
            }
            return;
        }
        case Match::Phrases: {
            VerseWords words(texts.hebrewWords(id), id, kHebrewFile, kRebuildHint);
            row.firstWord = hit.firstWord + 1;
            row.lastWord = hit.lastWord + 1;
            // The words stand in the text separated by single spaces.
            const std::string_view first = words.word(hit.firstWord);
            const std::string_view last = words.word(hit.lastWord);
            words.holds(hit.wordCount);
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

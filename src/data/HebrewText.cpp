#include "data/HebrewText.h"

#include "data/Books.h"
#include "data/Errors.h"

namespace vellumark {

HebrewText::HebrewText(std::string path) : stream_(std::move(path)) {}

std::string_view HebrewText::next(const VerseId& id) {
    std::string_view line;
    if (!stream_.readLine(line)) {
        throw DataError(stream_.path() + ", " + VerseName(id.book, id.chapter, id.verse) +
                        ": the file ends before the verse's line." + kRebuildHint);
    }
    const std::string key = VerseKey(id.book, id.chapter, id.verse);
    if (line.substr(0, key.size()) != key) {
        throw DataError(stream_.path() + ", line " + std::to_string(stream_.lineNumber()) +
                        ": the line should hold " + VerseName(id.book, id.chapter, id.verse) + "." +
                        kRebuildHint);
    }
    return line.substr(key.size());
}

}  // namespace vellumark

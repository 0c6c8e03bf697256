#include "search/VerseWords.h"

#include "data/Books.h"
#include "data/Errors.h"

namespace vellumark {

std::string_view VerseWords::word(int k) {
    if (!walker_.has(static_cast<std::size_t>(k))) fail();
    return walker_.word(static_cast<std::size_t>(k));
}

void VerseWords::holds(int wordCount) const {
    if (walker_.count() < static_cast<std::size_t>(wordCount)) fail();
}

void VerseWords::fail() const {
    const std::size_t count = CountWords(text_);
    throw DataError(std::string(file_) + ", " + VerseName(id_.book, id_.chapter, id_.verse) +
                    ": the line has " + std::to_string(count) + " words, word " +
                    std::to_string(count + 1) + " is wanted." + std::string(hint_));
}

}  // namespace vellumark

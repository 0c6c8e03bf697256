#include "data/HebrewText.h"

#include "data/Books.h"
#include "data/Errors.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace vellumark {

namespace {

/// The length of verse `id`'s key, as VerseKey writes it ("Gen 1:1 "), when
/// `line` begins with it, else 0. Built in place: this runs once per verse.
std::size_t KeyLength(std::string_view line, const VerseId& id) {
    const std::string abbrev = GetBookAbbrev(id.book);  // a few bytes: no allocation
    if (!line.starts_with(abbrev)) return 0;
    std::size_t at = abbrev.size();
    // The number, then the character after it.
    auto follows = [&](std::int16_t number, char after) {
        std::array<char, 8> digits{};
        const char* const end = std::to_chars(digits.begin(), digits.end(), number).ptr;
        const std::string_view text(digits.data(), static_cast<std::size_t>(end - digits.data()));
        if (line.substr(at, text.size()) != text ||
            line.substr(at + text.size(), 1) != std::string_view(&after, 1))
            return false;
        at += text.size() + 1;
        return true;
    };
    return follows(id.chapter, ':') && follows(id.verse, ' ') ? at : 0;
}

}  // namespace

HebrewText::HebrewText(std::string path) : stream_(std::move(path)) {}

std::string_view HebrewText::next(const VerseId& id) {
    std::string_view line;
    if (!stream_.readLine(line)) {
        throw DataError(stream_.path() + ", " + VerseName(id.book, id.chapter, id.verse) +
                        ": the file ends before the verse's line." + kRebuildHint);
    }
    const std::size_t keyLength = KeyLength(line, id);
    if (keyLength == 0) {
        throw DataError(stream_.path() + ", line " + std::to_string(stream_.lineNumber()) +
                        ": the line should hold " + VerseName(id.book, id.chapter, id.verse) + "." +
                        kRebuildHint);
    }
    return line.substr(keyLength);
}

}  // namespace vellumark

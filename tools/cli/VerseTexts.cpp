#include "cli/VerseTexts.h"

#include "cli/HitRows.h"

#include "data/AppPaths.h"
#include "data/Books.h"
#include "data/Errors.h"
#include "data/TextInput.h"

#include <unordered_map>

namespace vellumark::cli {

namespace {

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::uint64_t Packed(const VerseId& id) {
    return static_cast<std::uint64_t>(static_cast<std::uint16_t>(id.book)) << 32 |
           static_cast<std::uint64_t>(static_cast<std::uint16_t>(id.chapter)) << 16 |
           static_cast<std::uint16_t>(id.verse);
}

/// The verse of a reference «Gen 1:1» (the abbreviation of the reports, which
/// may hold a space, as «1 Sam»); book 0 when it is none of them.
std::uint64_t VerseOf(std::string_view reference) {
    static const std::unordered_map<std::string, std::int16_t> kBooks = [] {
        std::unordered_map<std::string, std::int16_t> books;
        for (std::int16_t book = 1; book <= kBookCount; ++book) {
            std::string abbrev = GetBookAbbrev(book);
            abbrev.pop_back();  // its trailing space
            books.emplace(abbrev, book);
        }
        return books;
    }();
    VerseId id;
    const std::size_t colon = reference.find(':');
    const std::size_t space = reference.rfind(' ', colon);
    if (colon == std::string_view::npos || space == std::string_view::npos) return 0;
    const auto book = kBooks.find(std::string(reference.substr(0, space)));
    if (book == kBooks.end()) return 0;
    id.book = book->second;
    const auto number = [](std::string_view digits) {
        int value = 0;
        for (char c : digits) {
            if (c < '0' || c > '9' || value > 32767) return -1;
            value = value * 10 + (c - '0');
        }
        return value;
    };
    const int chapter = number(reference.substr(space + 1, colon - space - 1));
    const int verse = number(reference.substr(colon + 1));
    if (chapter < 0 || chapter > 32767 || verse < 0 || verse > 32767) return 0;
    id.chapter = static_cast<std::int16_t>(chapter);
    id.verse = static_cast<std::int16_t>(verse);
    return Packed(id);
}

}  // namespace

VerseTexts::VerseTexts(const std::string& appPath)
    : hebrewFile_(DataPath(appPath, kHebrewFile)), englishFile_(DataPath(appPath, kEnglishFile)) {
    std::string_view line;
    // «Gen 1:1 בראשית ...»: the reference ends at the first space after its colon.
    while (hebrewFile_.readLine(line)) {
        const std::size_t colon = line.find(':');
        const std::size_t space = colon == std::string_view::npos ? colon : line.find(' ', colon);
        if (space == std::string_view::npos) continue;
        hebrew_.add(VerseOf(line.substr(0, space)), Trimmed(line.substr(space)));
    }
    // «<P>Gen 1:1<wbr  id=1> In the beginning...»: the reference ends at the
    // "<" after its colon; the text follows the second ">".
    while (englishFile_.readLine(line)) {
        if (!StartsWithNoCase(line, "<P>")) continue;
        const std::size_t colon = line.find(':');
        const std::size_t lt = colon == std::string_view::npos ? colon : line.find('<', colon);
        const std::size_t p1 = line.find('>');
        const std::size_t p2 = p1 == std::string_view::npos ? p1 : line.find('>', p1 + 1);
        if (lt == std::string_view::npos || p2 == std::string_view::npos || p2 < lt) {
            throw DataError(englishFile_.path() + ", line " +
                            std::to_string(englishFile_.lineNumber()) +
                            ": the verse line has no anchor closed by \">\"." + kRebuildHint);
        }
        english_.add(VerseOf(line.substr(3, lt - 3)), line.substr(p2 + 1));
    }
}

std::size_t VerseTexts::find(Lines& lines, const TextStream& file, const VerseId& id, int further) {
    const std::uint64_t verse = Packed(id);
    const std::size_t count = lines.verses.size();
    std::size_t index = count;
    for (std::size_t n = 0; n < count; ++n) {
        const std::size_t at = lines.last + n < count ? lines.last + n : lines.last + n - count;
        if (lines.verses[at] == verse) {
            index = at;
            break;
        }
    }
    if (index == count) {
        throw DataError(file.path() + ": " + VerseName(id.book, id.chapter, id.verse) +
                        " was not found." + kRebuildHint);
    }
    lines.last = index;
    index += static_cast<std::size_t>(further);
    if (index >= count) {
        throw DataError(file.path() + ": the file ends inside the run from " +
                        VerseName(id.book, id.chapter, id.verse) + "." + kRebuildHint);
    }
    return index;
}

std::string_view VerseTexts::hebrew(const VerseId& id, int further) {
    return hebrew_.text[find(hebrew_, hebrewFile_, id, further)];
}

const std::string& VerseTexts::plainEnglish(const VerseId& id, int further) {
    const std::size_t index = find(english_, englishFile_, id, further);
    if (plainEnglish_.empty()) plainEnglish_.resize(english_.text.size());
    std::optional<std::string>& plain = plainEnglish_[index];
    if (!plain) plain = PlainEnglish(english_.text[index]);
    return *plain;
}

}  // namespace vellumark::cli

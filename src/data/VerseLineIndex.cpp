#include "data/VerseLineIndex.h"

#include "data/Books.h"
#include "data/TextInput.h"

#include <algorithm>
#include <string>

namespace vellumark {

namespace {

LineKey Packed(int book, int chapter, int verse) {
    return static_cast<std::uint64_t>(static_cast<std::uint16_t>(book)) << 32 |
           static_cast<std::uint64_t>(static_cast<std::uint16_t>(chapter)) << 16 |
           static_cast<std::uint16_t>(verse);
}
LineKey Packed(const VerseId& id) { return Packed(id.book, id.chapter, id.verse); }
int BookOf(LineKey key) { return static_cast<int>(key >> 32); }
int ChapterOf(LineKey key) { return static_cast<int>(key >> 16 & 0xFFFF); }
int VerseOf(LineKey key) { return static_cast<int>(key & 0xFFFF); }

/// A chapter or verse number as VerseKey writes it: decimal, no sign, no
/// leading zero, up to 32,767; -1 otherwise.
int KeyNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > 5 || (digits.size() > 1 && digits[0] == '0')) return -1;
    int value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value > 32767 ? -1 : value;
}

/// "Gen " ... "Mal ", by book number (1 to 39).
const std::array<std::string, kBookCount>& Abbrevs() {
    static const std::array<std::string, kBookCount> kAbbrevs = [] {
        std::array<std::string, kBookCount> abbrevs;
        for (std::int16_t b = 1; b <= kBookCount; ++b) abbrevs[b - 1] = GetBookAbbrev(b);
        return abbrevs;
    }();
    return kAbbrevs;
}

/// The verse of a reference «Gen 1:1» whose ":" stands at `colon`: its book
/// abbreviation (without its space; compared without regard to case when
/// `noCase`), a space, the chapter, ":", the verse. 0 when it is none.
/// `lastBook` is tried first and set to the book found: lines come in order.
LineKey ReferenceOf(std::string_view reference, std::size_t colon, bool noCase,
                    std::int16_t& lastBook) {
    const std::array<std::string, kBookCount>& kAbbrevs = Abbrevs();
    const std::size_t space = reference.rfind(' ', colon);
    if (space == std::string_view::npos || space == 0) return {};
    const std::string_view abbrev = reference.substr(0, space + 1);
    const auto is = [&](std::int16_t b) {
        const std::string& known = kAbbrevs[b - 1];
        return known.size() == abbrev.size() &&
               (noCase ? StartsWithNoCase(abbrev, known) : abbrev == known);
    };
    std::int16_t book = lastBook >= 1 && lastBook <= kBookCount && is(lastBook) ? lastBook : 0;
    for (std::int16_t b = 1; b <= kBookCount && book == 0; ++b) {
        if (is(b)) book = b;
    }
    if (book != 0) lastBook = book;
    const int chapter = KeyNumber(reference.substr(space + 1, colon - space - 1));
    const int verse = KeyNumber(reference.substr(colon + 1));
    if (book == 0 || chapter < 0 || verse < 0) return 0;
    return Packed(book, chapter, verse);
}

/// Whether `text` begins with `prefix`, letter case ignored when `noCase`;
/// compared byte by byte, as the prefixes are a few bytes.
bool BeginsWith(std::string_view text, std::string_view prefix, bool noCase) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const char a = text[i], b = prefix[i];
        if (a != b &&
            !(noCase && (a | 0x20) == (b | 0x20) && (a | 0x20) >= 'a' && (a | 0x20) <= 'z'))
            return false;
    }
    return true;
}

/// The common key of a line: «Gen 1:2» where `abbrev` is the book of the
/// line before («Gen »), then `end` (" " in Hebrew.txt, "<" in
/// EnglishOT.html), from `at` on; `keyEnd` is set to the position after
/// `end`. 0 when the line differs in any way, for ReferenceOf to read it
/// as it reads any line: for the lines this takes, both find the same verse.
LineKey CommonKey(std::string_view line, std::size_t at, char end, bool noCase, std::int16_t book,
                  std::string_view abbrev, std::size_t& keyEnd) {
    if (book == 0 || !BeginsWith(line.substr(at), abbrev, noCase)) return {};
    // A number as KeyNumber takes it, then `after`; -1 otherwise.
    std::size_t i = at + abbrev.size();
    const auto number = [&](char after) {
        const std::size_t first = i;
        int value = 0;
        for (; i < line.size() && line[i] >= '0' && line[i] <= '9' && i - first < 5; ++i)
            value = value * 10 + (line[i] - '0');
        const bool zero = i - first > 1 && line[first] == '0';
        if (i == first || i == line.size() || line[i] != after || zero || value > 32767) return -1;
        return value;
    };
    const int chapter = number(':');
    if (chapter < 0) return {};
    ++i;
    const int verse = number(end);
    if (verse < 0) return {};
    keyEnd = i + 1;
    return Packed(book, chapter, verse);
}

/// The key that begins at `at`, «Gen 1:1» up to the first `end` after the
/// first ":" (" " in Hebrew.txt, "<" in EnglishOT.html); `keyEnd` is set to
/// the position after that `end`.
LineKey KeyAt(std::string_view line, std::size_t at, char end, bool noCase, std::int16_t& lastBook,
              std::string_view abbrev, std::size_t& keyEnd) {
    if (const LineKey id = CommonKey(line, at, end, noCase, lastBook, abbrev, keyEnd); id != 0)
        return id;
    const std::size_t colon = line.find(':');
    const std::size_t stop = colon == std::string_view::npos ? colon : line.find(end, colon);
    if (stop == std::string_view::npos) return {};
    keyEnd = stop + 1;
    return ReferenceOf(line.substr(at, stop - at), colon - at, noCase, lastBook);
}

}  // namespace

LineKey LineKeyReader::keyOf(std::string_view line, std::size_t& keyEnd) {
    if (abbrevBook_ != lastBook_) {
        abbrevBook_ = lastBook_;
        abbrev_ = Abbrevs()[lastBook_ - 1];
    }
    // «Gen 1:1 » in Hebrew.txt, letter case significant; «<P>Gen 1:1<» in
    // EnglishOT.html, letter case ignored.
    if (!english_) return KeyAt(line, 0, ' ', false, lastBook_, abbrev_, keyEnd);
    if (!BeginsWith(line, "<P>", true)) return {};
    return KeyAt(line, 3, '<', true, lastBook_, abbrev_, keyEnd);
}

void LineTable::build(std::vector<Entry> entries) {
    // Per book, then per chapter, the slot of its first chapter or verse.
    std::array<std::uint32_t, kBookCount + 2> chapters{};
    for (const Entry& e : entries)
        chapters[BookOf(e.id) + 1] =
            std::max<std::uint32_t>(chapters[BookOf(e.id) + 1], ChapterOf(e.id) + 1U);
    for (int b = 1; b <= kBookCount + 1; ++b) chapters[b] += chapters[b - 1];
    const std::size_t limit = 4 * entries.size() + 4096;
    if (chapters.back() <= limit) {
        std::vector<std::uint32_t> verses(chapters.back() + 1, 0);
        for (const Entry& e : entries) {
            std::uint32_t& size = verses[chapters[BookOf(e.id)] + ChapterOf(e.id) + 1];
            size = std::max<std::uint32_t>(size, VerseOf(e.id) + 1U);
        }
        for (std::size_t c = 1; c < verses.size(); ++c) verses[c] += verses[c - 1];
        if (verses.back() <= limit) {
            bookStart_ = chapters;
            chapterStart_ = std::move(verses);
            lines_.assign(chapterStart_.back(), 0);
            for (const Entry& e : entries) {
                std::uint32_t& line =
                    lines_[chapterStart_[bookStart_[BookOf(e.id)] + ChapterOf(e.id)] +
                           VerseOf(e.id)];
                if (line == 0) line = e.line + 1;
            }
            return;
        }
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.id < b.id; });
    sorted_ = std::move(entries);
}

long LineTable::find(const VerseId& id) const {
    if (sorted_.empty()) {
        if (id.book < 1 || id.book > kBookCount || id.chapter < 0 || id.verse < 0) return -1;
        const std::uint32_t chapter = bookStart_[id.book] + static_cast<std::uint32_t>(id.chapter);
        if (chapter >= bookStart_[id.book + 1]) return -1;
        const std::uint32_t verse = chapterStart_[chapter] + static_cast<std::uint32_t>(id.verse);
        if (verse >= chapterStart_[chapter + 1]) return -1;
        return static_cast<long>(lines_[verse]) - 1;
    }
    const auto found = std::lower_bound(sorted_.begin(), sorted_.end(), Packed(id),
                                        [](const Entry& e, LineKey key) { return e.id < key; });
    return found != sorted_.end() && found->id == Packed(id) ? found->line : -1;
}

}  // namespace vellumark

#include "data/VerseTexts.h"

#include "data/AppPaths.h"
#include "data/Books.h"
#include "data/Errors.h"
#include "data/FileErrors.h"
#include "data/FileReading.h"
#include "data/PlainEnglish.h"
#include "data/TextInput.h"
#include "data/TextStream.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstring>
#include <deque>
#include <mutex>
#include <vector>

namespace vellumark {

namespace {

/// A line's verse as its key gives it, packed in one number (Packed); 0 for
/// a line without one. The reading of keys returns one number, not a struct
/// of small fields, which would be written and read back through memory.
using LineKey = std::uint64_t;

LineKey Packed(int book, int chapter, int verse) {
    return static_cast<std::uint64_t>(static_cast<std::uint16_t>(book)) << 32 |
           static_cast<std::uint64_t>(static_cast<std::uint16_t>(chapter)) << 16 |
           static_cast<std::uint16_t>(verse);
}
LineKey Packed(const VerseId& id) { return Packed(id.book, id.chapter, id.verse); }
int BookOf(LineKey key) { return static_cast<int>(key >> 32); }
int ChapterOf(LineKey key) { return static_cast<int>(key >> 16 & 0xFFFF); }
int VerseOf(LineKey key) { return static_cast<int>(key & 0xFFFF); }

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

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

}  // namespace

/// Lines by verse, for look-ups by the thousand: per book its chapters, per
/// chapter its verses, in arrays that hits in file order read in order. Data
/// whose numbers would make the arrays far larger than its verses are looked
/// up in a sorted list instead. The first line of a verse counts.
class LineTable {
public:
    struct Entry {
        LineKey id;
        std::uint32_t line = 0;
    };

    void build(std::vector<Entry> entries) {
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

    /// The line of verse `id`, or -1.
    long find(const VerseId& id) const {
        if (sorted_.empty()) {
            if (id.book < 1 || id.book > kBookCount || id.chapter < 0 || id.verse < 0) return -1;
            const std::uint32_t chapter =
                bookStart_[id.book] + static_cast<std::uint32_t>(id.chapter);
            if (chapter >= bookStart_[id.book + 1]) return -1;
            const std::uint32_t verse =
                chapterStart_[chapter] + static_cast<std::uint32_t>(id.verse);
            if (verse >= chapterStart_[chapter + 1]) return -1;
            return static_cast<long>(lines_[verse]) - 1;
        }
        const auto found = std::lower_bound(sorted_.begin(), sorted_.end(), Packed(id),
                                            [](const Entry& e, LineKey key) { return e.id < key; });
        return found != sorted_.end() && found->id == Packed(id) ? found->line : -1;
    }

private:
    std::array<std::uint32_t, kBookCount + 2> bookStart_{};
    std::vector<std::uint32_t> chapterStart_;
    std::vector<std::uint32_t> lines_;  ///< per verse its line + 1; 0: none
    std::vector<Entry> sorted_;
};

/// One text file: its lines and, per verse, the line its key begins.
struct VerseTexts::File {
    File(std::string filePath, bool englishKeys) : path(std::move(filePath)), english(englishKeys) {
        if (auto error = CheckRegularFile(path)) throw *error;
    }

    /// Reads and indexes the file, once, whichever thread comes first.
    File& loaded() {
        if (ready.load(std::memory_order_acquire)) return *this;
        const std::lock_guard lock(mutex);
        if (!ready.load(std::memory_order_relaxed)) {
            load();
            ready.store(true, std::memory_order_release);
        }
        return *this;
    }

    void load() {
        content = ReadWholeFile(path);
        const std::string_view text = content.text();
        std::int16_t lastBook = 1;  // the book of the line before, tried first
        std::int16_t abbrevBook = 1;
        std::string_view abbrev = Abbrevs()[0];  // that of abbrevBook
        std::vector<LineTable::Entry> keys;
        // Room for lines of 64 bytes on average: verse lines are longer.
        const std::size_t expected = text.size() / 64 + 16;
        keys.reserve(expected);
        starts.reserve(expected + 1);
        keyEnds.reserve(expected);
        for (std::size_t offset = 0; offset < text.size();) {
            const char* start = text.data() + offset;
            const auto* newline =
                static_cast<const char*>(std::memchr(start, '\n', text.size() - offset));
            std::size_t length =
                newline ? static_cast<std::size_t>(newline - start) : text.size() - offset;
            offset += newline ? length + 1 : length;
            if (length > 0 && start[length - 1] == '\r') --length;
            if (length > TextStream::kMaxLine) {
                throw DataError(path + ", line " + std::to_string(starts.size() + 1) +
                                ": the line is longer than 32,767 characters.");
            }
            const std::string_view line(start, length);
            std::size_t keyEnd = 0;
            const LineKey id = english ? EnglishKeyOf(line, lastBook, abbrev, keyEnd)
                                       : HebrewKeyOf(line, lastBook, abbrev, keyEnd);
            if (lastBook != abbrevBook) {
                abbrevBook = lastBook;
                abbrev = Abbrevs()[lastBook - 1];
            }
            if (id != 0) keys.push_back({id, static_cast<std::uint32_t>(starts.size())});
            starts.push_back(static_cast<std::uint32_t>(start - text.data()));
            keyEnds.push_back(static_cast<std::uint16_t>(keyEnd));
        }
        starts.push_back(static_cast<std::uint32_t>(text.size()));
        verses.build(std::move(keys));
        if (english) {
            plain = std::make_unique<std::atomic<const std::string*>[]>(starts.size());
        }
    }

    /// «Gen 1:1 »: the key ends at the first space after the first ":";
    /// `keyEnd` is set to the position after that space.
    static LineKey HebrewKeyOf(std::string_view line, std::int16_t& lastBook,
                               std::string_view abbrev, std::size_t& keyEnd) {
        if (const LineKey id = CommonKey(line, 0, ' ', false, lastBook, abbrev, keyEnd); id != 0)
            return id;
        const std::size_t colon = line.find(':');
        const std::size_t space = colon == std::string_view::npos ? colon : line.find(' ', colon);
        if (space == std::string_view::npos) return {};
        keyEnd = space + 1;
        return ReferenceOf(line.substr(0, space), colon, false, lastBook);
    }

    /// «<P>Gen 1:1<»: the key ends at the first "<" after the first ":".
    /// `keyEnd` is set to the position after that "<".
    static LineKey EnglishKeyOf(std::string_view line, std::int16_t& lastBook,
                                std::string_view abbrev, std::size_t& keyEnd) {
        if (!BeginsWith(line, "<P>", true)) return {};
        if (const LineKey id = CommonKey(line, 3, '<', true, lastBook, abbrev, keyEnd); id != 0)
            return id;
        const std::size_t colon = line.find(':');
        const std::size_t lt = colon == std::string_view::npos ? colon : line.find('<', colon);
        if (lt == std::string_view::npos) return {};
        keyEnd = lt + 1;
        return ReferenceOf(line.substr(3, lt - 3), colon - 3, true, lastBook);
    }

    std::size_t lineCount() const { return starts.size() - 1; }

    /// Line `index`, without its line break.
    std::string_view line(std::size_t index) const {
        const char* const text = reinterpret_cast<const char*>(content.data());
        std::size_t end = starts[index + 1];
        if (end > starts[index] && text[end - 1] == '\n') --end;
        if (end > starts[index] && text[end - 1] == '\r') --end;
        return {text + starts[index], end - starts[index]};
    }

    /// The line of verse `id`, or `further` lines after it.
    std::size_t lineOf(const VerseId& id, int further = 0) const {
        const long found = verses.find(id);
        if (found < 0) {
            throw DataError(path + ": no line for " + VerseName(id.book, id.chapter, id.verse) +
                            " was found.");
        }
        const std::size_t index =
            static_cast<std::size_t>(found) + static_cast<std::size_t>(further);
        if (index >= lineCount()) {
            throw DataError(path + ": the file ends inside the run from " +
                            VerseName(id.book, id.chapter, id.verse) + ".");
        }
        return index;
    }

    std::string path;
    bool english;
    std::mutex mutex;
    std::atomic<bool> ready{false};
    FileContent content;
    /// Per line the offset it starts at in `content`, and the file's size.
    std::vector<std::uint32_t> starts;
    /// Per line the position after its verse key (and the space that ends a
    /// Hebrew key); 0 for a line without a key.
    std::vector<std::uint16_t> keyEnds;
    LineTable verses;
    /// English only: per line its plain text, worked out at its first
    /// look-up and kept in `plainTexts` (whose strings never move); null
    /// until then.
    std::unique_ptr<std::atomic<const std::string*>[]> plain;
    std::deque<std::string> plainTexts;
};

VerseTexts::VerseTexts(const std::string& appPath, Reading reading)
    : hebrew_(std::make_unique<File>(TextPath(appPath, reading, kHebrewFile), false)),
      english_(std::make_unique<File>(DataPath(appPath, kEnglishFile), true)) {}

VerseTexts::~VerseTexts() = default;

const std::string& VerseTexts::hebrewPath() const { return hebrew_->path; }
const std::string& VerseTexts::englishPath() const { return english_->path; }

const VerseTexts::File& VerseTexts::hebrew() const { return hebrew_->loaded(); }
const VerseTexts::File& VerseTexts::englishFile() const { return english_->loaded(); }

std::string_view VerseTexts::hebrewText(const VerseId& id) const {
    const File& file = hebrew();
    const std::size_t index = file.lineOf(id);
    return file.line(index).substr(file.keyEnds[index]);
}

VerseTexts::RunLine VerseTexts::hebrewRunLine(const VerseId& first, int further) const {
    const File& file = hebrew();
    const std::string_view line = file.line(file.lineOf(first, further));
    const std::size_t colon = line.find(':');
    const std::size_t space = colon == std::string_view::npos ? colon : line.find(' ', colon + 1);
    if (space == std::string_view::npos) {
        throw DataError(file.path + ", verse " + std::to_string(further + 1) + " of the run from " +
                        VerseName(first.book, first.chapter, first.verse) +
                        ": the line has no space after its verse reference.");
    }
    return {line.substr(0, space), line.substr(space)};
}

std::string_view VerseTexts::hebrewWords(const VerseId& id, int further) const {
    return Trimmed(further == 0 ? hebrewText(id) : hebrewRunLine(id, further).text);
}

EnglishBlock VerseTexts::english(const VerseId& id, int further) const {
    const File& file = englishFile();
    const std::size_t index = file.lineOf(id, further);
    const std::string_view line = file.line(index);
    if (further == 0) {
        // The key, which the index found, ends at the first "<" after the ":".
        return CutEnglishBlock(line, file.keyEnds[index], [&] {
            return file.path + ", " + VerseName(id.book, id.chapter, id.verse);
        });
    }
    // A later line of a run: its key ends at the first "<" after its ":".
    const std::size_t colon = line.find(':');
    const std::size_t lt = colon == std::string_view::npos ? colon : line.find('<', colon + 1);
    if (lt == std::string_view::npos) {
        throw DataError(file.path + ", line " + std::to_string(index + 1) +
                        ": the line holds no verse key.");
    }
    return CutEnglishBlock(line, lt + 1, [&] {
        return file.path + ", verse " + std::to_string(further + 1) + " of the run from " +
               VerseName(id.book, id.chapter, id.verse);
    });
}

std::string_view VerseTexts::plainEnglish(const VerseId& id, int further) const {
    File& file = english_->loaded();
    const std::size_t index = file.lineOf(id, further);
    if (const std::string* plain = file.plain[index].load(std::memory_order_acquire)) return *plain;
    const std::lock_guard lock(file.mutex);
    if (const std::string* plain = file.plain[index].load(std::memory_order_relaxed)) return *plain;
    // The text follows the second ">" of the line.
    const std::string_view line = file.line(index);
    const std::size_t p1 = line.find('>');
    const std::size_t p2 = p1 == std::string_view::npos ? p1 : line.find('>', p1 + 1);
    if (p2 == std::string_view::npos) {
        throw DataError(file.path + ", line " + std::to_string(index + 1) +
                        ": the verse line has no anchor closed by \">\"." + kRebuildHint);
    }
    const std::string& plain = file.plainTexts.emplace_back(PlainEnglish(line.substr(p2 + 1)));
    file.plain[index].store(&plain, std::memory_order_release);
    return plain;
}

}  // namespace vellumark

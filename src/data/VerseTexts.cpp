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
#include <mutex>
#include <vector>

namespace vellumark {

namespace {

std::uint64_t Packed(const VerseId& id) {
    return static_cast<std::uint64_t>(static_cast<std::uint16_t>(id.book)) << 32 |
           static_cast<std::uint64_t>(static_cast<std::uint16_t>(id.chapter)) << 16 |
           static_cast<std::uint16_t>(id.verse);
}

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

/// The verse of a reference «Gen 1:1» whose ":" stands at `colon`: its book
/// abbreviation (without its space; compared without regard to case when
/// `noCase`), a space, the chapter, ":", the verse. Book 0 when it is none.
/// `lastBook` is tried first and set to the book found: lines come in order.
VerseId ReferenceOf(std::string_view reference, std::size_t colon, bool noCase,
                    std::int16_t& lastBook) {
    static const std::array<std::string, kBookCount> kAbbrevs = [] {
        std::array<std::string, kBookCount> abbrevs;
        for (std::int16_t b = 1; b <= kBookCount; ++b) abbrevs[b - 1] = GetBookAbbrev(b);
        return abbrevs;
    }();
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
    if (book == 0 || chapter < 0 || verse < 0) return {};
    return {book, static_cast<std::int16_t>(chapter), static_cast<std::int16_t>(verse)};
}

}  // namespace

/// Lines by verse, for look-ups by the thousand: per book its chapters, per
/// chapter its verses, in arrays that hits in file order read in order. Data
/// whose numbers would make the arrays far larger than its verses are looked
/// up in a sorted list instead. The first line of a verse counts.
class LineTable {
public:
    struct Entry {
        VerseId id;
        std::uint32_t line = 0;
    };

    void build(std::vector<Entry> entries) {
        // Per book, then per chapter, the slot of its first chapter or verse.
        std::array<std::uint32_t, kBookCount + 2> chapters{};
        for (const Entry& e : entries)
            chapters[e.id.book + 1] =
                std::max<std::uint32_t>(chapters[e.id.book + 1], e.id.chapter + 1U);
        for (int b = 1; b <= kBookCount + 1; ++b) chapters[b] += chapters[b - 1];
        const std::size_t limit = 4 * entries.size() + 4096;
        if (chapters.back() <= limit) {
            std::vector<std::uint32_t> verses(chapters.back() + 1, 0);
            for (const Entry& e : entries) {
                std::uint32_t& size = verses[chapters[e.id.book] + e.id.chapter + 1];
                size = std::max<std::uint32_t>(size, e.id.verse + 1U);
            }
            for (std::size_t c = 1; c < verses.size(); ++c) verses[c] += verses[c - 1];
            if (verses.back() <= limit) {
                bookStart_ = chapters;
                chapterStart_ = std::move(verses);
                lines_.assign(chapterStart_.back(), 0);
                for (const Entry& e : entries) {
                    std::uint32_t& line =
                        lines_[chapterStart_[bookStart_[e.id.book] + e.id.chapter] + e.id.verse];
                    if (line == 0) line = e.line + 1;
                }
                return;
            }
        }
        std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
            return Packed(a.id) < Packed(b.id);
        });
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
        const auto found =
            std::lower_bound(sorted_.begin(), sorted_.end(), Packed(id),
                             [](const Entry& e, std::uint64_t key) { return Packed(e.id) < key; });
        return found != sorted_.end() && found->id == id ? found->line : -1;
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
        std::int16_t lastBook = 1;
        std::vector<LineTable::Entry> keys;
        for (std::size_t offset = 0; offset < text.size();) {
            const char* start = text.data() + offset;
            const auto* newline =
                static_cast<const char*>(std::memchr(start, '\n', text.size() - offset));
            std::size_t length =
                newline ? static_cast<std::size_t>(newline - start) : text.size() - offset;
            offset += newline ? length + 1 : length;
            if (length > 0 && start[length - 1] == '\r') --length;
            if (length > TextStream::kMaxLine) {
                throw DataError(path + ", line " + std::to_string(lines.size() + 1) +
                                ": the line is longer than 32,767 characters.");
            }
            const std::string_view line(start, length);
            std::size_t keyEnd = 0;
            const VerseId id = english ? EnglishKeyOf(line, lastBook, keyEnd)
                                       : HebrewKeyOf(line, lastBook, keyEnd);
            if (id.book != 0) keys.push_back({id, static_cast<std::uint32_t>(lines.size())});
            lines.push_back(line);
            keyEnds.push_back(static_cast<std::uint16_t>(keyEnd));
        }
        verses.build(std::move(keys));
        if (english) {
            plain.resize(lines.size());
            plainReady = std::make_unique<std::atomic<bool>[]>(lines.size());
        }
    }

    /// «Gen 1:1 »: the key ends at the first space after the first ":";
    /// `keyEnd` is set to the position after that space.
    static VerseId HebrewKeyOf(std::string_view line, std::int16_t& lastBook, std::size_t& keyEnd) {
        const std::size_t colon = line.find(':');
        const std::size_t space = colon == std::string_view::npos ? colon : line.find(' ', colon);
        if (space == std::string_view::npos) return {};
        keyEnd = space + 1;
        return ReferenceOf(line.substr(0, space), colon, false, lastBook);
    }

    /// «<P>Gen 1:1<»: the key ends at the first "<" after the first ":".
    /// `keyEnd` is set to the position after that "<".
    static VerseId EnglishKeyOf(std::string_view line, std::int16_t& lastBook,
                                std::size_t& keyEnd) {
        if (!StartsWithNoCase(line, "<P>")) return {};
        const std::size_t colon = line.find(':');
        const std::size_t lt = colon == std::string_view::npos ? colon : line.find('<', colon);
        if (lt == std::string_view::npos) return {};
        keyEnd = lt + 1;
        return ReferenceOf(line.substr(3, lt - 3), colon - 3, true, lastBook);
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
        if (index >= lines.size()) {
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
    std::vector<std::string_view> lines;
    /// Per line the position after its verse key (and the space that ends a
    /// Hebrew key); 0 for a line without a key.
    std::vector<std::uint16_t> keyEnds;
    LineTable verses;
    /// English only: a line's plain text, worked out at its first look-up.
    std::vector<std::string> plain;
    std::unique_ptr<std::atomic<bool>[]> plainReady;
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
    return file.lines[index].substr(file.keyEnds[index]);
}

VerseTexts::RunLine VerseTexts::hebrewRunLine(const VerseId& first, int further) const {
    const File& file = hebrew();
    const std::string_view line = file.lines[file.lineOf(first, further)];
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
    const std::string_view line = file.lines[index];
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
    if (!file.plainReady[index].load(std::memory_order_acquire)) {
        const std::lock_guard lock(file.mutex);
        if (!file.plainReady[index].load(std::memory_order_relaxed)) {
            // The text follows the second ">" of the line.
            const std::string_view line = file.lines[index];
            const std::size_t p1 = line.find('>');
            const std::size_t p2 = p1 == std::string_view::npos ? p1 : line.find('>', p1 + 1);
            if (p2 == std::string_view::npos) {
                throw DataError(file.path + ", line " + std::to_string(index + 1) +
                                ": the verse line has no anchor closed by \">\"." + kRebuildHint);
            }
            file.plain[index] = PlainEnglish(line.substr(p2 + 1));
            file.plainReady[index].store(true, std::memory_order_release);
        }
    }
    return file.plain[index];
}

}  // namespace vellumark

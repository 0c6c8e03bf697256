#include "data/VerseTexts.h"

#include "data/AppPaths.h"
#include "data/Books.h"
#include "data/Errors.h"
#include "data/FileErrors.h"
#include "data/FileReading.h"
#include "data/PlainEnglish.h"
#include "data/TextStream.h"
#include "data/VerseLineIndex.h"

#include <atomic>
#include <cstring>
#include <deque>
#include <mutex>
#include <vector>

namespace vellumark {

namespace {

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

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
        LineKeyReader keyReader(english);
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
            const LineKey id = keyReader.keyOf(line, keyEnd);
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

    std::size_t lineCount() const { return starts.size() - 1; }

    /// Line `index`, without its line break.
    std::string_view line(std::size_t index) const {
        const char* const text = reinterpret_cast<const char*>(content.data());
        std::size_t end = starts[index + 1];
        if (end > starts[index] && text[end - 1] == '\n') --end;
        if (end > starts[index] && text[end - 1] == '\r') --end;
        return {text + starts[index], end - starts[index]};
    }

    /// Asks for the first bytes of verse `id`'s line, where it has one.
    void prefetch(const VerseId& id) const {
        const long found = verses.find(id);
        if (found < 0) return;
        const auto index = static_cast<std::size_t>(found);
        const char* const text = reinterpret_cast<const char*>(content.data());
        // Verse lines run to a few cache lines.
        for (std::uint32_t at = starts[index]; at < starts[index + 1] && at < starts[index] + 256;
             at += 64)
            __builtin_prefetch(text + at);
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

void VerseTexts::prefetch(const VerseId& id) const {
    hebrew().prefetch(id);
    englishFile().prefetch(id);
}

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

#pragma once

#include "data/FileReading.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace vellumark {

/// One word of WordMatrix.dat. A single positive field v is a word whose two
/// values are both v; a pair -p, a is a word with primary p and alternate a.
struct WordValue {
    std::int16_t primary = 0;
    std::int16_t alternate = 0;
    bool pair = false;
};

/// The words of one verse, held in place: a verse has at most 46.
class WordList {
public:
    static constexpr std::size_t kCapacity = 46;

    std::size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    const WordValue& operator[](std::size_t k) const { return items_[k]; }
    const WordValue* begin() const { return items_.data(); }
    const WordValue* end() const { return items_.data() + count_; }
    void clear() { count_ = 0; }
    /// For a reader that writes the words in place, then sets their number.
    WordValue* storage() { return items_.data(); }
    void resize(std::size_t count) { count_ = count; }

private:
    std::array<WordValue, kCapacity> items_{};
    std::size_t count_ = 0;
};

/// One verse block: a zero field, then book, chapter and verse, then the words.
/// Example: 00 00, 00 01, 00 01, 00 01, 03 91, 80 CB, 03 4B is Genesis 1:1 with
/// the words 913 and (203, 843).
struct VerseBlock {
    static constexpr int kMaxWords = static_cast<int>(WordList::kCapacity);
    std::int16_t book = 0;
    std::int16_t chapter = 0;
    std::int16_t verse = 0;
    WordList words;
};

/// The DataError of a WordMatrix.dat of `size` bytes that cannot hold whole fields.
void CheckWordRecordFileSize(const std::string& path, std::uintmax_t size);

/// Sequential reader of WordMatrix.dat, verse block by verse block. Breaks of the
/// format (a word before the first verse marker, more than 46 words, a pair cut
/// off by a marker or the end of the file, a header cut off by the end of the
/// file) are DataErrors that name the verse. A file that holds nothing, or an
/// odd number of bytes, is a DataError naming the file, with the hint to
/// rebuild the data.
class WordRecordFile {
public:
    explicit WordRecordFile(const std::string& path);  ///< throws FileError, DataError

    bool next(VerseBlock& block);
    const std::string& path() const { return path_; }

private:
    bool atEnd() const { return bytes_.size() - offset_ < 2; }
    std::int16_t readField();
    [[noreturn]] void fail(const VerseBlock& block, const std::string& what) const;

    std::string path_;
    FileContent bytes_;
    std::size_t offset_ = 0;
};

/// Writes one field in sign-and-magnitude form, high byte first.
std::string EncodeWordField(int value);

}  // namespace vellumark

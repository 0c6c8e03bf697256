#pragma once

#include "data/FileReading.h"

#include <array>
#include <compare>
#include <cstdint>
#include <string>

namespace vellumark {

/// One 14-byte record of LineData.dat: seven unsigned two-byte fields, high
/// byte first. Example: 00 01 00 01 00 01 00 07 00 1C 0A 8D 0A 8D is Genesis 1:1,
/// 7 words, 28 letters, gematria 2701, alternative gematria 2701.
struct VerseRecord {
    enum Field { Book, Chapter, Verse, WordCount, LetterCount, Gematria, AltGematria };
    static constexpr int kSize = 14;

    long number = 0;  ///< 1-based position in the file, for messages
    std::array<std::int32_t, 7> field{};

    std::int32_t operator[](Field f) const { return field[f]; }
};

/// Book, chapter and verse of a record, held in 16 bits like every reader does.
struct VerseId {
    std::int16_t book = 0;
    std::int16_t chapter = 0;
    std::int16_t verse = 0;
    bool operator==(const VerseId&) const = default;
    /// File order: by book, then chapter, then verse.
    auto operator<=>(const VerseId&) const = default;
};

/// Narrows a record's identity to 16 bits; a field above 32,767 is a DataError
/// naming the record and the file.
VerseId IdentityOf(const VerseRecord& record, const std::string& path);

/// The DataError of a LineData.dat of `size` bytes that cannot hold whole records.
void CheckVerseRecordFileSize(const std::string& path, std::uintmax_t size);

/// Sequential reader of LineData.dat. A file that holds no record, or whose
/// size is not a whole number of records, is a DataError naming the file, with
/// the hint to rebuild the data.
class VerseRecordFile {
public:
    explicit VerseRecordFile(std::string path);  ///< throws FileError, DataError

    bool next(VerseRecord& record);
    long recordCount() const { return static_cast<long>(bytes_.size() / VerseRecord::kSize); }

private:
    FileContent bytes_;
    std::size_t offset_ = 0;
    long count_ = 0;
};

/// Writes records in the file's layout; the data builder and the tests use it.
std::string EncodeVerseRecord(const std::array<std::int32_t, 7>& fields);

}  // namespace vellumark

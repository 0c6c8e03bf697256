#include "data/VerseRecordFile.h"

#include "data/Errors.h"
#include "data/FieldDecoding.h"
#include "data/FileReading.h"

namespace vellumark {

VerseId IdentityOf(const VerseRecord& record, const std::string& path) {
    const std::int32_t book = record[VerseRecord::Book];
    const std::int32_t chapter = record[VerseRecord::Chapter];
    const std::int32_t verse = record[VerseRecord::Verse];
    if (book <= 32767 && chapter <= 32767 && verse <= 32767)
        return {static_cast<std::int16_t>(book), static_cast<std::int16_t>(chapter),
                static_cast<std::int16_t>(verse)};
    const std::string where = path + ", record " + std::to_string(record.number);
    return {NarrowTo16(book, "book number", where), NarrowTo16(chapter, "chapter", where),
            NarrowTo16(verse, "verse", where)};
}

void CheckVerseRecordFileSize(const std::string& path, std::uintmax_t size) {
    if (size == 0) throw DataError(path + " holds no verse record." + kRebuildHint);
    if (size % VerseRecord::kSize != 0) {
        throw DataError(path + " is damaged: its " + std::to_string(size) +
                        " bytes are not a whole number of 14-byte verse records." + kRebuildHint);
    }
}

VerseRecordFile::VerseRecordFile(std::string path) : bytes_(ReadWholeFile(path)) {
    CheckVerseRecordFileSize(path, bytes_.size());
}

bool VerseRecordFile::next(VerseRecord& record) {
    if (offset_ == bytes_.size()) return false;
    const std::uint8_t* p = bytes_.data() + offset_;
    for (std::size_t i = 0; i < record.field.size(); ++i)
        record.field[i] = BytesToLong(FieldBytes(p + 2 * i, 2));
    record.number = ++count_;
    offset_ += VerseRecord::kSize;
    return true;
}

std::string EncodeVerseRecord(const std::array<std::int32_t, 7>& fields) {
    std::string bytes;
    for (std::int32_t value : fields) {
        bytes.push_back(static_cast<char>((value >> 8) & 0xFF));
        bytes.push_back(static_cast<char>(value & 0xFF));
    }
    return bytes;
}

}  // namespace vellumark

#include "data/VerseRecordFile.h"

#include "data/Errors.h"
#include "data/FieldDecoding.h"
#include "data/FileStatus.h"

namespace vellumark {

VerseId IdentityOf(const VerseRecord& record, const std::string& path) {
    const std::string where = path + ", record " + std::to_string(record.number);
    return {NarrowTo16(record[VerseRecord::Book], "book number", where),
            NarrowTo16(record[VerseRecord::Chapter], "chapter", where),
            NarrowTo16(record[VerseRecord::Verse], "verse", where)};
}

VerseRecordFile::VerseRecordFile(const std::string& path)
    : path_(path), bytes_(ReadWholeFile(path)) {}

bool VerseRecordFile::next(VerseRecord& record) {
    if (bytes_.size() - offset_ < static_cast<std::size_t>(VerseRecord::kSize)) return false;
    const std::uint8_t* p = bytes_.data() + offset_;
    for (std::size_t i = 0; i < record.field.size(); ++i)
        record.field[i] = BytesToLong(FieldBytes(p + 2 * i, 2));
    record.number = ++count_;
    offset_ += VerseRecord::kSize;
    return true;
}

std::vector<VerseRecord> LoadVerseRecords(const std::string& path, std::size_t maximum) {
    VerseRecordFile file(path);
    std::vector<VerseRecord> records;
    records.reserve(maximum);
    VerseRecord record;
    while (records.size() < maximum && file.next(record)) records.push_back(record);
    return records;
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

#include "data/WordRecordFile.h"

#include "data/Books.h"
#include "data/Errors.h"
#include "data/FieldDecoding.h"
#include "data/FileReading.h"

#include <cstdlib>

namespace vellumark {

void CheckWordRecordFileSize(const std::string& path, std::uintmax_t size) {
    if (size == 0) throw DataError(path + " holds no verse block." + kRebuildHint);
    if (size % 2 != 0) {
        throw DataError(path + " is damaged: its " + std::to_string(size) +
                        " bytes are not a whole number of two-byte fields." + kRebuildHint);
    }
}

WordRecordFile::WordRecordFile(const std::string& path) : path_(path), bytes_(ReadWholeFile(path)) {
    CheckWordRecordFileSize(path, bytes_.size());
}

std::int16_t WordRecordFile::readField() {
    const std::int16_t value = BytesToSignedInt(FieldBytes(bytes_.data() + offset_, 2));
    offset_ += 2;
    return value;
}

void WordRecordFile::fail(const VerseBlock& block, const std::string& what) const {
    throw DataError(path_ + ", " + VerseName(block.book, block.chapter, block.verse) + ": " + what);
}

bool WordRecordFile::next(VerseBlock& block) {
    block.book = block.chapter = block.verse = 0;
    block.words.clear();
    if (atEnd()) return false;
    if (readField() != 0) fail(block, "a word stands before the first verse marker.");
    std::int16_t* header[] = {&block.book, &block.chapter, &block.verse};
    for (std::int16_t* field : header) {
        if (atEnd()) fail(block, "the file ends inside a verse header.");
        *field = readField();
    }
    // The words are decoded in place; the file is even-sized, so two bytes
    // remain wherever a field starts.
    const std::uint8_t* p = bytes_.data() + offset_;
    const std::uint8_t* const end = bytes_.data() + bytes_.size();
    WordValue* const words = block.words.storage();
    std::size_t count = 0;
    while (p != end) {
        const int high = p[0];
        const int magnitude = (high & 0x7F) << 8 | p[1];
        if (magnitude == 0) break;  // the next block's marker
        p += 2;
        if (count == WordList::kCapacity) fail(block, "the verse has more than 46 words.");
        if (high < 0x80) {
            const auto value = static_cast<std::int16_t>(magnitude);
            words[count++] = {value, value, false};
            continue;
        }
        if (p == end) fail(block, "the file ends inside a word's pair of values.");
        const std::int16_t alternate = BytesToSignedInt(FieldBytes(p, 2));
        p += 2;
        if (alternate <= 0) fail(block, "a word's pair of values is cut off.");
        words[count++] = {static_cast<std::int16_t>(magnitude), alternate, true};
    }
    block.words.resize(count);
    offset_ = static_cast<std::size_t>(p - bytes_.data());
    return true;
}

std::string EncodeWordField(int value) {
    const int magnitude = std::abs(value);
    std::string bytes;
    bytes.push_back(static_cast<char>(((magnitude >> 8) & 0x7F) | (value < 0 ? 0x80 : 0)));
    bytes.push_back(static_cast<char>(magnitude & 0xFF));
    return bytes;
}

}  // namespace vellumark

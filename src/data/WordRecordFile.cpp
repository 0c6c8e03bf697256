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
    // The words are decoded in place, a field at a time; the file is
    // even-sized, so two bytes remain wherever a field starts. A word is one
    // field, or two when the first one's sign bit marks a pair, whose second
    // field (its alternate) must be above 0: so a field is a pair's second
    // exactly when the one before has its sign bit set. Each field writes the
    // word it belongs to and moves on only when that word is whole, without a
    // branch on which, as the two kinds follow each other in no order a guess
    // could learn; one branch, rarely taken, catches the marker and faults.
    const std::uint8_t* p = bytes_.data() + offset_;
    const std::uint8_t* const end = bytes_.data() + bytes_.size();
    WordValue* const words = block.words.storage();
    std::size_t count = 0;
    unsigned second = 0;  // the field at p is a pair's second
    std::int16_t first = 0;
    for (; p != end; p += 2) {
        const unsigned field = unsigned{p[0]} << 8 | p[1];
        const unsigned sign = field >> 15;
        const auto magnitude = static_cast<std::int16_t>(field & 0x7FFF);
        const unsigned zero = magnitude == 0;
        if ((second & (sign | zero)) | ((second ^ 1) & (zero | (count == WordList::kCapacity)))) {
            if (second) fail(block, "a word's pair of values is cut off.");
            if (zero) break;  // the next block's marker
            fail(block, "the verse has more than 46 words.");
        }
        words[count] = {second ? first : magnitude, magnitude, second != 0};
        count += second | (sign ^ 1);
        first = magnitude;
        second = sign;
    }
    if (second) fail(block, "the file ends inside a word's pair of values.");
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

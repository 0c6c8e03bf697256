#include "data/WordRecordFile.h"

#include "data/Books.h"
#include "data/Errors.h"
#include "data/FieldDecoding.h"
#include "data/FileReading.h"

#include <cstdlib>

namespace vellumark {

WordRecordFile::WordRecordFile(const std::string& path) : path_(path), bytes_(ReadWholeFile(path)) {
    if (bytes_.empty()) throw DataError(path + " holds no verse block." + kRebuildHint);
    if (bytes_.size() % 2 != 0) {
        throw DataError(path + " is damaged: its " + std::to_string(bytes_.size()) +
                        " bytes are not a whole number of two-byte fields." + kRebuildHint);
    }
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
    while (!atEnd()) {
        const std::size_t start = offset_;
        const std::int16_t value = readField();
        if (value == 0) {
            offset_ = start;  // the next block's marker
            break;
        }
        if (block.words.size() == VerseBlock::kMaxWords)
            fail(block, "the verse has more than 46 words.");
        WordValue word{value, value, false};
        if (value < 0) {
            if (atEnd()) fail(block, "the file ends inside a word's pair of values.");
            const std::int16_t alternate = readField();
            if (alternate <= 0) fail(block, "a word's pair of values is cut off.");
            word = {static_cast<std::int16_t>(-value), alternate, true};
        }
        block.words.push_back(word);
    }
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

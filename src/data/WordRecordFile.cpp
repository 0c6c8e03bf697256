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
    // remain wherever a field starts. A word is one field, or two when the
    // first one's sign bit marks a pair: decoded without a branch on which,
    // as the two kinds follow each other in no order a guess could learn.
    const std::uint8_t* p = bytes_.data() + offset_;
    const std::uint8_t* const end = bytes_.data() + bytes_.size();
    WordValue* const words = block.words.storage();
    std::size_t count = 0;
    while (p != end) {
        const unsigned first = unsigned{p[0]} << 8 | p[1];
        const auto magnitude = static_cast<std::int16_t>(first & 0x7FFF);
        if (magnitude == 0) break;  // the next block's marker
        if (count == WordList::kCapacity) fail(block, "the verse has more than 46 words.");
        const unsigned pair = first >> 15;
        const bool last = p + 2 == end;
        if (pair && last) fail(block, "the file ends inside a word's pair of values.");
        // The second field is read even for a single word, and then unused.
        const unsigned second = last ? 0 : unsigned{p[2]} << 8 | p[3];
        const auto alternate = static_cast<std::int16_t>(
            pair ? ((second & 0x8000) ? -static_cast<int>(second & 0x7FFF) : second) : magnitude);
        if (alternate <= 0) fail(block, "a word's pair of values is cut off.");
        words[count++] = {magnitude, alternate, pair != 0};
        p += 2 + 2 * pair;
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

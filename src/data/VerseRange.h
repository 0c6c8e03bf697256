#pragma once

#include "data/VerseRecordFile.h"

#include <cstdint>
#include <string>

namespace vellumark {

/// A verse range as the window holds it: book numbers and names from the book
/// lists, chapters and verses as typed.
struct RangeInput {
    std::int16_t startBook = 1;
    std::string startBookName;
    std::string startChapter;
    std::string startVerse;
    std::int16_t endBook = 1;
    std::string endBookName;
    std::string endChapter;
    std::string endVerse;
};

/// The outcome of ValidateRange: `message` is empty when the range passed, and
/// then the four numbers hold the converted texts.
struct RangeCheck {
    std::string message;
    std::int16_t startChapter = 0;
    std::int16_t startVerse = 0;
    std::int16_t endChapter = 0;
    std::int16_t endVerse = 0;

    bool passed() const { return message.empty(); }
};

/// The verses from `first` to `last`, both included, in file order.
struct VerseScope {
    VerseId first;
    VerseId last;
};

/// Checks, in order: the books' order, each text (not a number, 0 or less, not
/// whole, too large for 16 bits), the chapters' and verses' order within one
/// book, and that both verses are in LineData.dat. The first failing check gives
/// the message. An unreadable file is a FileError.
RangeCheck ValidateRange(const RangeInput& range, const std::string& lineDataPath);

/// The verses of a range that passed ValidateRange.
VerseScope ScopeOf(const RangeInput& range, const RangeCheck& check);

}  // namespace vellumark

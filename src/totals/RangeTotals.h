#pragma once

#include "data/Gematria.h"
#include "data/VerseRange.h"

#include <cstdint>
#include <string>

namespace vellumark {

struct RangeTotals {
    std::int32_t words = 0;
    std::int32_t letters = 0;
    std::int32_t gematria = 0;
    std::int32_t altGematria = 0;
};

/// Sums the records from the start verse to the end verse, both included, in
/// file order. A start or end verse that the file does not reach in that order
/// is a DataError (the scan always ends at the end of the file).
RangeTotals CalculateRangeTotals(const std::string& lineDataPath, std::int32_t startBook,
                                 std::int16_t startChapter, std::int16_t startVerse,
                                 std::int32_t endBook, std::int16_t endChapter,
                                 std::int16_t endVerse);

/// The gematria of the verses of `scope` by one method, in 64 bits: under
/// StandardAndFinal and Standard the records' gematria, under Final their
/// alternative gematria, under Integral reduced the digital root of the
/// records' gematria, under any other method the letters of Hebrew.txt,
/// whose lines must hold the records' verses one by one. A verse of the scope
/// that the records do not reach in file order, or a Hebrew.txt that does not
/// agree, is a DataError; an unreadable file a FileError.
std::int64_t CalculateMethodTotal(const std::string& appPath, const VerseScope& scope,
                                  Method method);

}  // namespace vellumark

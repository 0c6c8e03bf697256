#pragma once

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

}  // namespace vellumark

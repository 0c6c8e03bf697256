#pragma once

#include "data/AppPaths.h"
#include "data/Gematria.h"
#include "data/VerseRange.h"

#include <cstdint>
#include <string>
#include <vector>

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
/// agree, is a DataError; an unreadable file a FileError. `reading`: the
/// files of the written text or of the read one.
std::int64_t CalculateMethodTotal(const std::string& appPath, const VerseScope& scope,
                                  Method method, Reading reading = Reading::Written);

/// Range Totals of a named scope: the four totals and the total by `method`.
struct ScopeTotals {
    RangeTotals totals;
    std::int64_t methodTotal = 0;
};

/// The totals of the verses of `ranges` (a named scope's: their ends need not
/// be verses of the data) in one reading, the method total counted as
/// CalculateMethodTotal counts it. A scope that holds no verse of the data, or
/// a total beyond 2,147,483,647, is a DataError.
ScopeTotals CalculateScopeTotals(const std::string& appPath, Reading reading,
                                 const std::vector<VerseScope>& ranges, Method method);

}  // namespace vellumark

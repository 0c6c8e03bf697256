#include "totals/RangeTotals.h"

#include "data/AppPaths.h"
#include "data/Books.h"
#include "data/Errors.h"
#include "data/HebrewText.h"
#include "data/VerseRecordFile.h"

#include <limits>
#include <optional>

namespace vellumark {

namespace {

DataError TooLarge() {
    return DataError(
        "The totals of this range are too large: a total can be at most 2,147,483,647.");
}

/// The records' fields a method total takes, or the letters of Hebrew.txt.
bool CountsLetters(Method method) {
    return method != Method::StandardAndFinal && method != Method::Standard &&
           method != Method::Final && method != Method::IntegralReduced;
}

DataError MissingVerse(const std::string& lineDataPath, std::int32_t book, std::int16_t chapter,
                       std::int16_t verse) {
    return DataError(lineDataPath + ": " +
                     VerseName(static_cast<std::int16_t>(book), chapter, verse) +
                     " was not found where the range needs it; the file is not in verse order.");
}

}  // namespace

RangeTotals CalculateRangeTotals(const std::string& lineDataPath, std::int32_t startBook,
                                 std::int16_t startChapter, std::int16_t startVerse,
                                 std::int32_t endBook, std::int16_t endChapter,
                                 std::int16_t endVerse) {
    auto is = [](const VerseId& id, std::int32_t book, std::int16_t chapter, std::int16_t verse) {
        return id.book == book && id.chapter == chapter && id.verse == verse;
    };
    VerseRecordFile file(lineDataPath);
    VerseRecord record;
    std::int64_t sums[4] = {};
    auto add = [&sums, &record] {
        for (int k = 0; k < 4; ++k) sums[k] += record.field[VerseRecord::WordCount + k];
    };
    // Sums are taken in 64 bits; a total that a 32-bit box cannot show is an error.
    auto totals = [&] {
        for (std::int64_t sum : sums) {
            if (sum > std::numeric_limits<std::int32_t>::max()) throw TooLarge();
        }
        return RangeTotals{static_cast<std::int32_t>(sums[0]), static_cast<std::int32_t>(sums[1]),
                           static_cast<std::int32_t>(sums[2]), static_cast<std::int32_t>(sums[3])};
    };
    auto missing = [&](std::int32_t book, std::int16_t chapter, std::int16_t verse) {
        return MissingVerse(lineDataPath, book, chapter, verse);
    };

    for (;;) {
        if (!file.next(record)) throw missing(startBook, startChapter, startVerse);
        if (is(IdentityOf(record, lineDataPath), startBook, startChapter, startVerse)) break;
    }
    add();
    if (startBook == endBook && startChapter == endChapter && startVerse == endVerse)
        return totals();
    for (;;) {
        if (!file.next(record)) throw missing(endBook, endChapter, endVerse);
        add();
        if (is(IdentityOf(record, lineDataPath), endBook, endChapter, endVerse)) return totals();
    }
}

std::int64_t CalculateMethodTotal(const std::string& appPath, const VerseScope& scope,
                                  Method method, Reading reading) {
    const std::string lineDataPath = TextPath(appPath, reading, kLineDataFile);
    VerseRecordFile file(lineDataPath);
    // The standard and final values are the records' own; any other method
    // counts the letters of Hebrew.txt, read in step with the records.
    // Integral reduced is the digital root of the range's standard total.
    const bool integral = method == Method::IntegralReduced;
    std::optional<HebrewText> hebrew;
    if (CountsLetters(method)) hebrew.emplace(TextPath(appPath, reading, kHebrewFile));
    const VerseRecord::Field stored =
        method == Method::Final ? VerseRecord::AltGematria : VerseRecord::Gematria;
    VerseRecord record;
    bool inside = false;
    std::int64_t total = 0;
    while (file.next(record)) {
        const VerseId id = IdentityOf(record, lineDataPath);
        const std::string_view text = hebrew ? hebrew->next(id) : std::string_view();
        inside = inside || id == scope.first;
        if (!inside) continue;
        total += hebrew ? TextValue(text, method) : record[stored];
        if (id == scope.last) return integral ? DigitalRoot(total) : total;
    }
    const VerseId& wanted = inside ? scope.last : scope.first;
    throw MissingVerse(lineDataPath, wanted.book, wanted.chapter, wanted.verse);
}

ScopeTotals CalculateScopeTotals(const std::string& appPath, Reading reading,
                                 const std::vector<VerseScope>& ranges, Method method) {
    const std::string lineDataPath = TextPath(appPath, reading, kLineDataFile);
    VerseRecordFile file(lineDataPath);
    std::optional<HebrewText> hebrew;
    if (CountsLetters(method)) hebrew.emplace(TextPath(appPath, reading, kHebrewFile));
    const VerseRecord::Field stored =
        method == Method::Final ? VerseRecord::AltGematria : VerseRecord::Gematria;
    VerseRecord record;
    std::int64_t sums[4] = {};
    std::int64_t methodTotal = 0;
    bool any = false;
    while (file.next(record)) {
        const VerseId id = IdentityOf(record, lineDataPath);
        const std::string_view text = hebrew ? hebrew->next(id) : std::string_view();
        bool inside = false;
        for (const VerseScope& range : ranges)
            inside = inside || (range.first <= id && id <= range.last);
        if (!inside) continue;
        any = true;
        for (int k = 0; k < 4; ++k) sums[k] += record.field[VerseRecord::WordCount + k];
        methodTotal += hebrew ? TextValue(text, method) : record[stored];
    }
    if (!any) throw DataError(lineDataPath + ": the scope holds none of its verses.");
    for (std::int64_t sum : sums)
        if (sum > std::numeric_limits<std::int32_t>::max()) throw TooLarge();
    ScopeTotals result;
    result.totals = {static_cast<std::int32_t>(sums[0]), static_cast<std::int32_t>(sums[1]),
                     static_cast<std::int32_t>(sums[2]), static_cast<std::int32_t>(sums[3])};
    result.methodTotal = method == Method::IntegralReduced ? DigitalRoot(methodTotal) : methodTotal;
    return result;
}

}  // namespace vellumark

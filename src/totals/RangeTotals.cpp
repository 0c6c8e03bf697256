#include "totals/RangeTotals.h"

#include "data/Books.h"
#include "data/Errors.h"
#include "data/TextInput.h"
#include "data/VerseRecordFile.h"

#include <limits>
#include <optional>

namespace vellumark {

namespace {

/// A chapter or verse text as a 16-bit number, or nothing when it fails any test.
std::optional<std::int16_t> PositiveWhole16(const std::string& text) {
    std::int32_t value = 0;
    if (CheckWholeNumber(text, 32767, value) != WholeNumber::Valid) return std::nullopt;
    return static_cast<std::int16_t>(value);
}

}  // namespace

RangeCheck ValidateRange(const RangeInput& range, const std::string& lineDataPath) {
    RangeCheck check;
    if (range.startBook > range.endBook) {
        check.message = "The start book and end book that you have selected are out of order";
        return check;
    }
    const struct {
        const std::string& text;
        std::int16_t& value;
        const char* message;
    } fields[] = {
        {range.startChapter, check.startChapter, "Please enter a valid start chapter."},
        {range.startVerse, check.startVerse, "Please enter a valid start verse."},
        {range.endChapter, check.endChapter, "Please enter a valid end chapter."},
        {range.endVerse, check.endVerse, "Please enter a valid end verse."},
    };
    for (const auto& field : fields) {
        const std::optional<std::int16_t> value = PositiveWhole16(field.text);
        if (!value) {
            check.message = field.message;
            return check;
        }
        field.value = *value;
    }
    if (range.startBook == range.endBook) {
        if (check.startChapter > check.endChapter) {
            check.message = "The start chapter and end chapter you have selected are out of order.";
            return check;
        }
        if (check.startChapter == check.endChapter && check.startVerse > check.endVerse) {
            check.message = "The start verse and end verse you have selected are out of order.";
            return check;
        }
    }

    const VerseId start{range.startBook, check.startChapter, check.startVerse};
    const VerseId end{range.endBook, check.endChapter, check.endVerse};
    bool startFound = false;
    bool endFound = false;
    VerseRecordFile file(lineDataPath);
    VerseRecord record;
    while (file.next(record)) {
        const VerseId id = IdentityOf(record, lineDataPath);
        startFound = startFound || id == start;
        endFound = endFound || id == end;
    }
    if (!startFound) {
        check.message = range.startBookName + " " + range.startChapter + ":" + range.startVerse +
                        " was not found";
    } else if (!endFound) {
        check.message =
            range.endBookName + " " + range.endChapter + ":" + range.endVerse + " was not found";
    }
    return check;
}

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
            if (sum > std::numeric_limits<std::int32_t>::max()) {
                throw DataError(
                    "The totals of this range are too large: a total can be at most "
                    "2,147,483,647.");
            }
        }
        return RangeTotals{static_cast<std::int32_t>(sums[0]), static_cast<std::int32_t>(sums[1]),
                           static_cast<std::int32_t>(sums[2]), static_cast<std::int32_t>(sums[3])};
    };
    auto missing = [&](std::int32_t book, std::int16_t chapter, std::int16_t verse) {
        return DataError(
            lineDataPath + ": " + VerseName(static_cast<std::int16_t>(book), chapter, verse) +
            " was not found where the range needs it; the file is not in verse order.");
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

}  // namespace vellumark

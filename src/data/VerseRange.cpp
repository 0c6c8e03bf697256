#include "data/VerseRange.h"

#include "data/TextInput.h"
#include "data/VerseRecordFile.h"

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

VerseScope ScopeOf(const RangeInput& range, const RangeCheck& check) {
    return {{range.startBook, check.startChapter, check.startVerse},
            {range.endBook, check.endChapter, check.endVerse}};
}

}  // namespace vellumark

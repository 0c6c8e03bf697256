#include "data/EnglishLookup.h"

#include "data/Books.h"
#include "data/Errors.h"
#include "data/TextInput.h"
#include "data/TextStream.h"

namespace vellumark {

std::string GetEnglishVerse(TextStream& english, std::int16_t book, std::int16_t chapter,
                            std::int16_t verse) {
    std::string key;
    std::string_view line;
    std::string name;
    if (book == 0 && chapter == 0 && verse == 0) {
        line = english.readLineOrFail("the file ends where the next verse's line should be.");
        name = "line " + std::to_string(english.lineNumber());
        const std::size_t colon = line.find(':');
        const std::size_t lt = colon == std::string::npos ? colon : line.find('<', colon + 1);
        if (lt == std::string::npos)
            throw DataError(english.path() + ", " + name + ": the line holds no verse key.");
        key = line.substr(0, lt + 1);
    } else {
        key = EnglishVerseKey(book, chapter, verse);
        line = FindLine(
            english, [&key](std::string_view l) { return StartsWithNoCase(l, key); }, true,
            [&] { return VerseName(book, chapter, verse); });
    }
    const std::size_t p1 = line.find('>');
    const std::size_t p2 = p1 == std::string::npos ? p1 : line.find('>', p1 + 1);
    const std::size_t anchorStart = key.size() + 8;
    if (p2 == std::string::npos || p2 < anchorStart) {
        if (name.empty()) name = VerseName(book, chapter, verse);
        throw DataError(english.path() + ", " + name +
                        ": the verse line has no anchor number closed by \">\".");
    }
    const std::string_view anchor = line.substr(anchorStart, p2 - anchorStart);
    if (anchor.find('#') != std::string_view::npos) {
        // The "#" that separates the anchor from the block must be the first.
        if (name.empty()) name = VerseName(book, chapter, verse);
        throw DataError(english.path() + ", " + name + ": the anchor number \"" +
                        std::string(anchor) + "\" is not a number from 0 to 32,767.");
    }
    std::string result(anchor);
    result += "#<blockquote><font color='blue'>";
    result += line.substr(p2 + 1);
    result += "</font></blockquote>";
    return result;
}

EnglishVerse SplitEnglishVerse(const std::string& result, const std::string& where) {
    const std::size_t hash = result.find('#');
    if (hash == std::string::npos) throw DataError(where + ": the English lookup gave no text.");
    const std::size_t next = result.find('#', hash + 1);
    const std::string_view anchorText(result.data(), hash);
    EnglishVerse verse;
    verse.block = result.substr(hash + 1, next == std::string::npos ? next : next - hash - 1);

    const std::size_t first = anchorText.find_first_not_of(' ');
    const std::size_t last = anchorText.find_last_not_of(' ');
    const std::string_view digits = first == std::string::npos
                                        ? std::string_view()
                                        : anchorText.substr(first, last - first + 1);
    long value = 0;
    bool valid = !digits.empty() && digits.size() <= 9;
    for (std::size_t i = 0; valid && i < digits.size(); ++i) {
        valid = digits[i] >= '0' && digits[i] <= '9';
        value = value * 10 + (digits[i] - '0');
    }
    if (!valid || value > 32767) {
        throw DataError(where + ": the anchor number \"" + std::string(anchorText) +
                        "\" is not a number from 0 to 32,767.");
    }
    verse.anchor = static_cast<std::int16_t>(value);
    return verse;
}

EnglishVerse LookUpEnglishVerse(TextStream& english, std::int16_t book, std::int16_t chapter,
                                std::int16_t verse) {
    return SplitEnglishVerse(GetEnglishVerse(english, book, chapter, verse),
                             english.path() + ", " + VerseName(book, chapter, verse));
}

EnglishVerse NextEnglishVerse(TextStream& english, const std::string& runStart, int position) {
    return SplitEnglishVerse(
        GetEnglishVerse(english, 0, 0, 0),
        english.path() + ", verse " + std::to_string(position) + " of the run from " + runStart);
}

}  // namespace vellumark

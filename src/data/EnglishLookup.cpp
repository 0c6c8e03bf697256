#include "data/EnglishLookup.h"

#include "data/Books.h"
#include "data/Errors.h"
#include "data/TextInput.h"
#include "data/TextStream.h"

namespace vellumark {

namespace {

/// The two pieces of a verse line: the anchor text between the 8 skipped
/// characters and the second ">", and the English text after it.
struct EnglishLine {
    std::string_view anchor;
    std::string_view text;
};

EnglishLine FindEnglishLine(TextStream& english, std::int16_t book, std::int16_t chapter,
                            std::int16_t verse) {
    std::string_view line;
    std::size_t keySize = 0;
    const bool nextLine = book == 0 && chapter == 0 && verse == 0;
    // Messages name the verse, or for the next-line form the line; built only on failure.
    auto fail = [&](const std::string& what) {
        throw DataError(english.path() + ", " +
                        (nextLine ? "line " + std::to_string(english.lineNumber())
                                  : VerseName(book, chapter, verse)) +
                        ": " + what);
    };
    if (nextLine) {
        line = english.readLineOrFail("the file ends where the next verse's line should be.");
        const std::size_t colon = line.find(':');
        const std::size_t lt = colon == std::string::npos ? colon : line.find('<', colon + 1);
        if (lt == std::string::npos) fail("the line holds no verse key.");
        keySize = lt + 1;
    } else {
        const std::string key = EnglishVerseKey(book, chapter, verse);
        keySize = key.size();
        line = FindLine(
            english, [&key](std::string_view l) { return StartsWithNoCase(l, key); }, true,
            [&] { return VerseName(book, chapter, verse); });
    }
    const std::size_t p1 = line.find('>');
    const std::size_t p2 = p1 == std::string::npos ? p1 : line.find('>', p1 + 1);
    const std::size_t anchorStart = keySize + 8;
    if (p2 == std::string::npos || p2 < anchorStart)
        fail("the verse line has no anchor number closed by \">\".");
    const EnglishLine result{line.substr(anchorStart, p2 - anchorStart), line.substr(p2 + 1)};
    // The "#" that separates the anchor from the block in a lookup result must be the first.
    if (result.anchor.find('#') != std::string_view::npos) {
        fail("the anchor number \"" + std::string(result.anchor) +
             "\" is not a number from 0 to 32,767.");
    }
    return result;
}

constexpr std::string_view kBlockStart = "<blockquote><font color='blue'>";
constexpr std::string_view kBlockEnd = "</font></blockquote>";

/// The anchor text as a number from 0 to 32,767, blanks around it allowed; -1 when it is not.
int AnchorNumber(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return -1;
    const std::string_view digits = text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (digits.size() > 9) return -1;
    long value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value > 32767 ? -1 : static_cast<int>(value);
}

[[noreturn]] void ThrowBadAnchor(const std::string& where, std::string_view anchor) {
    throw DataError(where + ": the anchor number \"" + std::string(anchor) +
                    "\" is not a number from 0 to 32,767.");
}

/// SplitEnglishVerse(GetEnglishVerse(...)) without the text in between: the
/// block ends at a "#" in the text, as the lookup result is split there.
template <typename Where>
EnglishVerse MakeVerse(const EnglishLine& line, const Where& where) {
    const int anchor = AnchorNumber(line.anchor);
    if (anchor < 0) ThrowBadAnchor(where(), line.anchor);
    EnglishVerse verse{static_cast<std::int16_t>(anchor), std::string(kBlockStart)};
    const std::size_t hash = line.text.find('#');
    verse.block += line.text.substr(0, hash);
    if (hash == std::string_view::npos) verse.block += kBlockEnd;
    return verse;
}

}  // namespace

std::string GetEnglishVerse(TextStream& english, std::int16_t book, std::int16_t chapter,
                            std::int16_t verse) {
    const EnglishLine line = FindEnglishLine(english, book, chapter, verse);
    std::string result(line.anchor);
    result += '#';
    result += kBlockStart;
    result += line.text;
    result += kBlockEnd;
    return result;
}

EnglishVerse SplitEnglishVerse(const std::string& result, const std::string& where) {
    const std::size_t hash = result.find('#');
    if (hash == std::string::npos) throw DataError(where + ": the English lookup gave no text.");
    const std::size_t next = result.find('#', hash + 1);
    const std::string_view anchorText(result.data(), hash);
    const int anchor = AnchorNumber(anchorText);
    if (anchor < 0) ThrowBadAnchor(where, anchorText);
    return {static_cast<std::int16_t>(anchor),
            result.substr(hash + 1, next == std::string::npos ? next : next - hash - 1)};
}

EnglishVerse LookUpEnglishVerse(TextStream& english, std::int16_t book, std::int16_t chapter,
                                std::int16_t verse) {
    return MakeVerse(FindEnglishLine(english, book, chapter, verse),
                     [&] { return english.path() + ", " + VerseName(book, chapter, verse); });
}

std::string EnglishBlock::block() const {
    std::string line;
    line.reserve(kStart.size() + text.size() + kEnd.size());
    line.append(kStart).append(text);
    if (!cut) line.append(kEnd);
    return line;
}

EnglishBlock CutEnglishBlock(std::string_view line, std::size_t keySize,
                             const std::function<std::string()>& where) {
    const std::size_t p1 = line.find('>');
    const std::size_t p2 = p1 == std::string_view::npos ? p1 : line.find('>', p1 + 1);
    const std::size_t anchorStart = keySize + 8;
    if (p2 == std::string_view::npos || p2 < anchorStart)
        throw DataError(where() + ": the verse line has no anchor number closed by \">\".");
    const EnglishLine cut{line.substr(anchorStart, p2 - anchorStart), line.substr(p2 + 1)};
    if (cut.anchor.find('#') != std::string_view::npos) ThrowBadAnchor(where(), cut.anchor);
    const int anchor = AnchorNumber(cut.anchor);
    if (anchor < 0) ThrowBadAnchor(where(), cut.anchor);
    const std::size_t hash = cut.text.find('#');
    return {static_cast<std::int16_t>(anchor), cut.text.substr(0, hash),
            hash != std::string_view::npos};
}

EnglishVerse NextEnglishVerse(TextStream& english, const std::string& runStart, int position) {
    return MakeVerse(FindEnglishLine(english, 0, 0, 0), [&] {
        return english.path() + ", verse " + std::to_string(position) + " of the run from " +
               runStart;
    });
}

}  // namespace vellumark

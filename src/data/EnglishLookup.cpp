#include "data/EnglishLookup.h"

#include "data/Books.h"
#include "data/Errors.h"
#include "data/TextStream.h"

#include <algorithm>
#include <cctype>

namespace vellumark {

namespace {

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

/// Keys are ASCII; other bytes compare exactly.
bool StartsWithNoCase(const std::string& line, const std::string& key) {
    if (line.size() < key.size()) return false;
    return std::equal(key.begin(), key.end(), line.begin(),
                      [](char a, char b) { return AsciiLower(a) == AsciiLower(b); });
}

}  // namespace

std::string GetEnglishVerse(TextStream& english, std::int16_t book, std::int16_t chapter,
                            std::int16_t verse) {
    std::string key;
    std::string line;
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
        name = VerseName(book, chapter, verse);
        key = EnglishVerseKey(book, chapter, verse);
        line = FindLine(
            english, [&key](const std::string& l) { return StartsWithNoCase(l, key); }, true, name);
    }
    const std::size_t p1 = line.find('>');
    const std::size_t p2 = p1 == std::string::npos ? p1 : line.find('>', p1 + 1);
    const std::size_t anchorStart = key.size() + 8;
    if (p2 == std::string::npos || p2 < anchorStart) {
        throw DataError(english.path() + ", " + name +
                        ": the verse line has no anchor number closed by \">\".");
    }
    return line.substr(anchorStart, p2 - anchorStart) + "#<blockquote><font color='blue'>" +
           line.substr(p2 + 1) + "</font></blockquote>";
}

EnglishVerse SplitEnglishVerse(const std::string& result, const std::string& where) {
    const std::size_t hash = result.find('#');
    if (hash == std::string::npos) throw DataError(where + ": the English lookup gave no text.");
    const std::size_t next = result.find('#', hash + 1);
    const std::string anchorText = result.substr(0, hash);
    EnglishVerse verse;
    verse.block = result.substr(hash + 1, next == std::string::npos ? next : next - hash - 1);

    const std::size_t first = anchorText.find_first_not_of(' ');
    const std::size_t last = anchorText.find_last_not_of(' ');
    const std::string digits =
        first == std::string::npos ? std::string() : anchorText.substr(first, last - first + 1);
    long value = 0;
    bool valid = !digits.empty() && digits.size() <= 9;
    for (char c : digits) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            valid = false;
        else
            value = value * 10 + (c - '0');
    }
    if (!valid || value > 32767) {
        throw DataError(where + ": the anchor number \"" + anchorText +
                        "\" is not a number from 0 to 32,767.");
    }
    verse.anchor = static_cast<std::int16_t>(value);
    return verse;
}

}  // namespace vellumark

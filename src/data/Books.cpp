#include "data/Books.h"

#include <cctype>

namespace vellumark {

const std::array<std::string_view, kBookCount> kBookNames = {
    "Genesis",      "Exodus",       "Leviticus",    "Numbers",         "Deuteronomy", "Joshua",
    "Judges",       "Ruth",         "1 Samuel",     "2 Samuel",        "1 Kings",     "2 Kings",
    "1 Chronicles", "2 Chronicles", "Ezra",         "Nehemiah",        "Esther",      "Job",
    "Psalms",       "Proverbs",     "Ecclesiastes", "Song of Solomon", "Isaiah",      "Jeremiah",
    "Lamentations", "Ezekiel",      "Daniel",       "Hosea",           "Joel",        "Amos",
    "Obadiah",      "Jonah",        "Micah",        "Nahum",           "Habakkuk",    "Zephaniah",
    "Haggai",       "Zacharias",    "Malachi"};

namespace {
const std::array<std::string_view, kBookCount> kAbbrevs = {
    "Gen ",   "Exo ",   "Lev ",     "Num ",     "Deut ",    "Josh ",    "Judg ", "Ruth ",
    "1 Sam ", "2 Sam ", "1 Kings ", "2 Kings ", "1 Chron ", "2 Chron ", "Ezra ", "Neh ",
    "Esth ",  "Job ",   "Ps ",      "Prov ",    "Eccl ",    "Song ",    "Is ",   "Jer ",
    "Lam ",   "Ezek ",  "Dan ",     "Hos ",     "Joel ",    "Amos ",    "Obad ", "Jon ",
    "Mic ",   "Nahum ", "Hab ",     "Zeph ",    "Hag ",     "Zach ",    "Mal "};

/// Lower-case ASCII, spaces dropped: "1 Sam " gives "1sam".
std::string Folded(std::string_view text) {
    std::string folded;
    for (char c : text)
        if (c != ' ') folded += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return folded;
}

std::string Reference(std::int16_t book, std::int16_t chapter, std::int16_t verse) {
    return GetBookAbbrev(book) + std::to_string(chapter) + ":" + std::to_string(verse);
}
}  // namespace

std::string GetBookAbbrev(std::int16_t book) {
    if (book < 1 || book > kBookCount) return {};
    return std::string(kAbbrevs[book - 1]);
}

std::int16_t FindBook(std::string_view typed) {
    const std::string wanted = Folded(typed);
    if (wanted.empty()) return 0;
    std::int16_t prefixOf = 0;
    int prefixes = 0;
    for (std::int16_t book = 1; book <= kBookCount; ++book) {
        const std::string names[] = {Folded(kAbbrevs[book - 1]), Folded(kBookNames[book - 1])};
        bool begins = false;
        for (const std::string& name : names) {
            if (name == wanted) return book;
            begins = begins || name.starts_with(wanted);
        }
        if (begins) {
            prefixOf = book;
            ++prefixes;
        }
    }
    return prefixes == 1 ? prefixOf : 0;
}

std::string VerseKey(std::int16_t book, std::int16_t chapter, std::int16_t verse) {
    return Reference(book, chapter, verse) + " ";
}

std::string EnglishVerseKey(std::int16_t book, std::int16_t chapter, std::int16_t verse) {
    return "<P>" + Reference(book, chapter, verse) + "<";
}

std::string VerseName(std::int16_t book, std::int16_t chapter, std::int16_t verse) {
    if (GetBookAbbrev(book).empty())
        return "book " + std::to_string(book) + " " + std::to_string(chapter) + ":" +
               std::to_string(verse);
    return Reference(book, chapter, verse);
}

}  // namespace vellumark

#pragma once

#include <array>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace pugi {
class xml_document;
}

namespace databuilder {

/// A failure of the build: a missing source, malformed XML, a verse that breaks
/// a limit of the data files. The message names the file, line or verse.
class BuildError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// OSIS book ids in the order of the book lists (Genesis = 1 ... Malachi = 39).
extern const std::array<std::string_view, 39> kOsisBooks;

/// Book number (1 to 39), chapter and verse.
using Ref = std::tuple<int, int, int>;
std::string RefName(const Ref& ref);
/// "Gen.1.1" or "1Kgs.18.34!a" (the part is dropped); book 0 when unknown.
Ref ParseOsisRef(const std::string& id);

/// One Hebrew word: its letters (U+05D0 to U+05EA, UTF-8) and its two values.
struct Word {
    std::string letters;
    int gematria = 0;
    int altGematria = 0;
};

/// A verse's words as written (ketiv) and as read (qere): where the source
/// notes a qere, its words take the place of the written words its catch word
/// names (none: a word read but not written; an empty reading: a word written
/// but not read).
struct HebrewVerse {
    Ref ref;
    std::vector<Word> words;
    std::vector<Word> qere;
};

/// Letters and values of a word's text; points, accents, slashes and every
/// other character are dropped. Finals count as their letter in the gematria
/// and as 500 to 900 in the alternative gematria.
Word MakeWord(std::string_view text);

/// Parses one file, with the file and line in the message of malformed XML.
void LoadXml(pugi::xml_document& document, const std::string& path);

/// The Hebrew verses of one book file, in the file's order: a verse's words are
/// the <w> elements that stand directly in it (readings in notes are not).
std::vector<HebrewVerse> ReadHebrewBook(const std::string& path, int book);

/// The KJV: each verse's text as HTML (translators' additions in <i>, the divine
/// name in capitals, no notes or Strong's numbers) and each psalm's title.
struct EnglishText {
    std::map<Ref, std::string> verses;
    std::map<std::pair<int, int>, std::string> psalmTitles;  ///< (book, chapter)
};
EnglishText ReadKjv(const std::string& path);

/// Where the Hebrew and the KJV number verses differently: each Hebrew verse and
/// the KJV verses it holds, with whether the mapping covers only a part of it.
struct VerseMapEntry {
    std::vector<Ref> kjv;
    bool partA = false;
    bool partB = false;
    bool whole = false;
};
std::map<Ref, VerseMapEntry> ReadVerseMap(const std::string& path);

}  // namespace databuilder

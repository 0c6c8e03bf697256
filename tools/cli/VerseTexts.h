#pragma once

#include "data/TextStream.h"
#include "data/VerseRecordFile.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vellumark::cli {

/// Hebrew.txt and EnglishOT.html, read once and split into verse lines, for
/// exports of any number of searches. A verse's line is found by its key
/// («Gen 1:1 » in Hebrew.txt, «<P>Gen 1:1<» in EnglishOT.html), read once into
/// numbers and searched from the verse found last, starting over at the end:
/// the hits of a search come in file order. The verses of a run are the lines
/// that follow its first, as in the HTML report.
class VerseTexts {
public:
    explicit VerseTexts(const std::string& appPath);  ///< throws FileError, DataError

    /// The Hebrew text after the verse key, spaces around removed.
    std::string_view hebrew(const VerseId& id, int further = 0);
    /// The English text without its tags and entities, worked out once a verse.
    const std::string& plainEnglish(const VerseId& id, int further = 0);

private:
    struct Lines {
        std::vector<std::string_view> reference;  ///< «Gen 1:1», per verse line
        std::vector<std::string_view> text;       ///< what follows the key
        std::vector<std::uint64_t> verses;        ///< per line, its verse as a number
        std::size_t last = 0;                     ///< the line found last
        void add(std::uint64_t verse, std::string_view line) {
            verses.push_back(verse);
            text.push_back(line);
        }
    };
    static std::size_t find(Lines& lines, const TextStream& file, const VerseId& id, int further);

    TextStream hebrewFile_;
    TextStream englishFile_;
    Lines hebrew_;
    Lines english_;
    std::vector<std::optional<std::string>> plainEnglish_;
};

}  // namespace vellumark::cli

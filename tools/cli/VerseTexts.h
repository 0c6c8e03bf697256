#pragma once

#include "data/TextStream.h"
#include "data/VerseRecordFile.h"

#include <string>
#include <string_view>
#include <vector>

namespace vellumark::cli {

/// Hebrew.txt and EnglishOT.html, read once and split into verse lines, for
/// exports of any number of searches. A verse's line is found by its key
/// («Gen 1:1 » in Hebrew.txt, «<P>Gen 1:1<» in EnglishOT.html), searching on
/// from the verse found last and starting over at the end, so the hits of a
/// search, which come in file order, pass over each file about once. The
/// verses of a run are the lines that follow its first, as in the HTML report.
class VerseTexts {
public:
    explicit VerseTexts(const std::string& appPath);  ///< throws FileError, DataError

    /// Lookups start again from the first verse: for a search of its own.
    void restart() { hebrew_.last = english_.last = 0; }

    /// The Hebrew text after the verse key, spaces around removed.
    std::string_view hebrew(const VerseId& id, int further = 0);
    /// The English text after the anchor, as the report's block holds it (HTML).
    std::string_view english(const VerseId& id, int further = 0);

private:
    struct Lines {
        std::vector<std::string_view> reference;  ///< «Gen 1:1», per verse line
        std::vector<std::string_view> text;       ///< what follows the key
        std::size_t last = 0;                     ///< the line found last
    };
    static std::string_view find(Lines& lines, const TextStream& file, const VerseId& id,
                                 int further);

    TextStream hebrewFile_;
    TextStream englishFile_;
    Lines hebrew_;
    Lines english_;
};

}  // namespace vellumark::cli

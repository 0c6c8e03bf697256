#pragma once

#include "data/TextStream.h"
#include "data/VerseRecordFile.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vellumark::cli {

/// Hebrew.txt and EnglishOT.html, read once and indexed by verse, for exports
/// of any number of searches. A verse's line is found by its key («Gen 1:1 »
/// in Hebrew.txt, «<P>Gen 1:1<» in EnglishOT.html); the verses of a run are
/// the lines that follow it, as in the HTML report.
class VerseTexts {
public:
    explicit VerseTexts(const std::string& appPath);  ///< throws FileError, DataError

    /// The Hebrew text after the verse key, spaces around removed.
    std::string_view hebrew(const VerseId& id, int further = 0) const;
    /// The English text after the anchor, as the report's block holds it (HTML).
    std::string_view english(const VerseId& id, int further = 0) const;

private:
    struct Lines {
        std::vector<std::string_view> text;  ///< what follows the key, per verse line
        std::unordered_map<std::string_view, std::size_t> byKey;
    };
    std::string_view find(const Lines& lines, const TextStream& file, const VerseId& id,
                          int further) const;

    TextStream hebrewFile_;
    TextStream englishFile_;
    Lines hebrew_;
    Lines english_;
};

}  // namespace vellumark::cli

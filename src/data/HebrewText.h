#pragma once

#include "data/Gematria.h"
#include "data/TextStream.h"
#include "data/VerseRecordFile.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vellumark {

/// Hebrew.txt read in step with the verse records: line k holds verse k, its
/// key and then its words separated by single spaces, as the data builder
/// writes it: «Gen 1:1 בראשית ברא אלהים את השמים ואת הארץ».
class HebrewText {
public:
    explicit HebrewText(std::string path);  ///< throws FileError

    /// The text after the key of the next line, which must be verse `id`'s. A
    /// missing line, or a line of another verse, is a DataError naming the file
    /// and the verse, with the hint to rebuild the data.
    std::string_view next(const VerseId& id);
    const std::string& path() const { return stream_.path(); }

private:
    TextStream stream_;
};

/// Calls `visit(value)` for each word of a verse's text, in order, with its
/// value by `method`'s letters and word rule, and returns the number of words.
/// The words are those the report shows: the text without blanks at either
/// end, split at each space (an empty text has none). "אב גד" by the standard
/// values gives 3 and 7.
template <typename Visit>
std::size_t ForEachWordValue(std::string_view text, Method method, Visit visit) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return 0;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    WordCounter counter(method);
    std::size_t words = 0;
    const std::size_t size = text.size();
    for (std::size_t i = 0; i < size; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == ' ') {
            visit(counter.end());
            ++words;
        } else if (c == 0xD7 && i + 1 < size) {
            // U+05D0 to U+05EA: D7 90 to D7 AA (as ForEachLetter reads them)
            const auto next = static_cast<unsigned char>(text[i + 1]);
            if (next >= 0x90 && next <= 0xAA) {
                counter.letter(next - 0x90);
                ++i;
            }
        }
    }
    visit(counter.end());
    return words + 1;
}

}  // namespace vellumark

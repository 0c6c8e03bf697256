#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace vellumark {

// The byte searches of the rows and reports, sixteen bytes at a time where the
// processor offers it: rows of a search copy long texts that hold a byte of
// interest every few dozen bytes.

/// Splits `text` at single spaces into `words` (cleared first): "a b" gives
/// "a", "b"; "a  b" gives "a", "", "b"; an empty text no word. Only the first
/// `limit` words are kept; the count returned is that of all.
std::size_t SplitAtSpaces(std::string_view text, std::vector<std::string_view>& words,
                          std::size_t limit = static_cast<std::size_t>(-1));
/// The same into `words`, which has room for `limit` words: one pass, in
/// which the words after the first `limit` are only counted.
std::size_t SplitAtSpaces(std::string_view text, std::string_view* words, std::size_t limit);

/// The number of words of `text` split at single spaces, as SplitAtSpaces
/// counts them: 0 for an empty text.
std::size_t CountWords(std::string_view text);

/// The words of a text split at single spaces, as SplitAtSpaces splits them,
/// asked for in increasing order: the words between are skipped sixteen
/// bytes at a time, counted rather than kept (a verse of which a word or two
/// is wanted). Every word asked for must be one of the text's (CountWords).
class WordWalker {
public:
    explicit WordWalker(std::string_view text) : text_(text) {}

    /// Word `k` (0-based), at or after the one asked for last.
    std::string_view word(std::size_t k);

private:
    std::string_view text_;
    std::size_t index_ = 0;  ///< the word that begins at start_
    std::size_t start_ = 0;
};

/// Whether `text` holds a comma, a quote, a CR or an LF: a CSV field to quote.
bool NeedsCsvQuotes(std::string_view text);

/// The position of the first byte at or after `from` that a JSON string
/// cannot copy as it is: a control character, a quote, a backslash, or a byte
/// of 0x80 and above (to be checked as UTF-8); the text's size if none.
std::size_t FindJsonSpecial(std::string_view text, std::size_t from);

}  // namespace vellumark

#pragma once

#include <cstddef>
#include <string_view>

namespace vellumark {

// The byte searches of the rows and reports, sixteen bytes at a time where the
// processor offers it: rows of a search copy long texts that hold a byte of
// interest every few dozen bytes.

// A verse's words are its text split at single spaces: "a b" holds "a" and
// "b"; "a  b" holds "a", "" and "b"; an empty text no word.

/// The number of words of `text`: 0 for an empty text.
std::size_t CountWords(std::string_view text);

/// The words of a text asked for in increasing order: the words between are
/// skipped sixteen bytes at a time, counted rather than kept (a verse of
/// which a word or two is wanted).
class WordWalker {
public:
    explicit WordWalker(std::string_view text) : text_(text) {}

    /// Whether the text has a word `k` (0-based, at or after the one asked
    /// for last); the walk moves to it when it has.
    bool has(std::size_t k);

    /// How many words the text has (CountWords), counted on from the word
    /// asked for last.
    std::size_t count() const;

    /// Word `k`, which has(k) found: a view into the text.
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

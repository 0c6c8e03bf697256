#pragma once

#include "data/VerseRecordFile.h"
#include "search/ByteScan.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace vellumark {

/// The words of a verse's Hebrew line for its rows or report entry, asked
/// for in increasing order (WordWalker). The line must hold every word the
/// word record file counts: a word asked for that it lacks, or a count short
/// of the record's (holds), is the DataError «<file>, Gen 1:1: the line has 2
/// words, word 3 is wanted.<hint>».
class VerseWords {
public:
    /// `file` and `hint` must outlive the object.
    VerseWords(std::string_view text, const VerseId& id, std::string_view file,
               std::string_view hint = {})
        : text_(text), id_(id), file_(file), hint_(hint), walker_(text) {}

    std::string_view text() const { return text_; }

    /// Word `k` (0-based), at or after the one asked for last.
    std::string_view word(int k);

    /// How many words the line has, counted on from the word asked for last.
    std::size_t count() const { return walker_.count(); }

    /// Checks that the line holds `wordCount` words.
    void holds(int wordCount) const;

private:
    [[noreturn]] void fail() const;

    std::string_view text_;
    VerseId id_;
    std::string_view file_;
    std::string_view hint_;
    WordWalker walker_;
};

}  // namespace vellumark

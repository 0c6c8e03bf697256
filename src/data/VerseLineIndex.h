#pragma once

#include "data/Books.h"
#include "data/VerseRecordFile.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace vellumark {

// The index of a verse text file (VerseTexts): the verse each line's key
// names, and each verse's first line.

/// A line's verse as its key names it, packed in one number; 0 for a line
/// without a key. (One number rather than a struct of small fields, which
/// would be written and read back through memory at every line.)
using LineKey = std::uint64_t;

/// Reads the keys of a file's lines, in their order: «Gen 1:1 » in
/// Hebrew.txt (the first space after the first ":" ends it, letter case
/// significant), «<P>Gen 1:1<» in EnglishOT.html (the first "<" after the
/// first ":" ends it, letter case ignored). The book of the line before is
/// tried first.
class LineKeyReader {
public:
    explicit LineKeyReader(bool english) : english_(english) {}

    /// The key of `line`; `keyEnd` is set to the position after its last
    /// byte (the space or the "<").
    LineKey keyOf(std::string_view line, std::size_t& keyEnd);

private:
    bool english_;
    std::int16_t lastBook_ = 1;    ///< the book of the line before
    std::int16_t abbrevBook_ = 0;  ///< the book of abbrev_
    std::string_view abbrev_;      ///< its abbreviation, «Gen »
};

/// Lines by verse, for look-ups by the thousand: per book its chapters, per
/// chapter its verses, in arrays that hits in file order read in order. Data
/// whose numbers would make the arrays far larger than its verses are looked
/// up in a sorted list instead. The first line of a verse counts.
class LineTable {
public:
    struct Entry {
        LineKey id;
        std::uint32_t line = 0;
    };

    /// The keyed lines of a file, in file order.
    void build(std::vector<Entry> entries);

    /// The line of verse `id`, or -1.
    long find(const VerseId& id) const;

private:
    std::array<std::uint32_t, kBookCount + 2> bookStart_{};
    std::vector<std::uint32_t> chapterStart_;
    std::vector<std::uint32_t> lines_;  ///< per verse its line + 1; 0: none
    std::vector<Entry> sorted_;
};

}  // namespace vellumark

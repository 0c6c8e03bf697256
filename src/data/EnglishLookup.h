#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace vellumark {

class TextStream;

/// Finds a verse in EnglishOT.html and returns "anchor#<blockquote><font
/// color='blue'>text</font></blockquote>". A verse line is the English verse key,
/// 8 characters that are not looked at, the anchor number, ">" and the text:
/// «<P>Gen 1:1<a name=1>In the beginning...» gives «1#<blockquote>...».
///
/// Keyed form (any number not 0): searches forward from the stream's position,
/// letters compared without regard to case, starting over at the end of the
/// file; a verse in no line is a DataError after one full pass.
/// Next-line form (all three 0): takes the line after the last one read.
std::string GetEnglishVerse(TextStream& english, std::int16_t book, std::int16_t chapter,
                            std::int16_t verse);

/// The two pieces callers use of a lookup result, split at "#".
struct EnglishVerse {
    std::int16_t anchor = 0;
    std::string block;
};

/// Splits a lookup result and converts its anchor text to a 16-bit number
/// ("0042" gives 42). A missing piece or an anchor that is not a number up to
/// 32,767 is a DataError that names `where`.
EnglishVerse SplitEnglishVerse(const std::string& result, const std::string& where);

/// GetEnglishVerse and SplitEnglishVerse in one: a verse's anchor and English
/// block, failures naming the file and the verse.
EnglishVerse LookUpEnglishVerse(TextStream& english, std::int16_t book, std::int16_t chapter,
                                std::int16_t verse);
/// A verse's anchor and English block as a view into its line: the block is
/// "<blockquote><font color='blue'>", `text`, and "</font></blockquote>"
/// unless a "#" cut the text short (`cut`), as the lookup result is split.
struct EnglishBlock {
    std::int16_t anchor = 0;
    std::string_view text;
    bool cut = false;

    static constexpr std::string_view kStart = "<blockquote><font color='blue'>";
    static constexpr std::string_view kEnd = "</font></blockquote>";
    /// The block line.
    std::string block() const;
};

/// The anchor and block of verse line `line` whose key fills its first
/// `keySize` characters, cut as LookUpEnglishVerse cuts it. Failures are
/// DataErrors whose text begins with `where()` («EnglishOT.html, Gen 1:1»).
EnglishBlock CutEnglishBlock(std::string_view line, std::size_t keySize,
                             const std::function<std::string()>& where);
/// The next-line form for verse `position` (2, 3, ...) of the run from `runStart`.
EnglishVerse NextEnglishVerse(TextStream& english, const std::string& runStart, int position);

}  // namespace vellumark

#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vellumark {

constexpr int kBookCount = 39;

/// The 39 entries of the book lists, in book-number order (Genesis = 1).
extern const std::array<std::string_view, kBookCount> kBookNames;

/// "Gen " for 1 ... "Mal " for 39 (each ends with a space); "" for other numbers.
std::string GetBookAbbrev(std::int16_t book);

/// The book of a name as typed: an abbreviation as reports write it ("Gen",
/// "1 Sam", "1Sam") or a name of the book lists ("Genesis", "1 samuel"),
/// letter case and spaces ignored; failing those, the one book whose
/// abbreviation or name begins with it ("1Sa", "Deuter"). 0 when none or
/// several fit.
std::int16_t FindBook(std::string_view typed);

/// "Gen 1:1 ": the key a verse's line in Hebrew.txt begins with.
std::string VerseKey(std::int16_t book, std::int16_t chapter, std::int16_t verse);

/// "<P>Gen 1:1<": the key a verse's line in EnglishOT.html begins with.
std::string EnglishVerseKey(std::int16_t book, std::int16_t chapter, std::int16_t verse);

/// "Gen 1:1", for messages; an unknown book shows as "book N".
std::string VerseName(std::int16_t book, std::int16_t chapter, std::int16_t verse);

}  // namespace vellumark

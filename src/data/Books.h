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

/// "Gen 1:1 ": the key a verse's line in Hebrew.txt begins with.
std::string VerseKey(std::int16_t book, std::int16_t chapter, std::int16_t verse);

/// "<P>Gen 1:1<": the key a verse's line in EnglishOT.html begins with.
std::string EnglishVerseKey(std::int16_t book, std::int16_t chapter, std::int16_t verse);

/// "Gen 1:1", for messages; an unknown book shows as "book N".
std::string VerseName(std::int16_t book, std::int16_t chapter, std::int16_t verse);

}  // namespace vellumark

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vellumark {

/// The number syntax of every numeric field: optional blanks around, an optional
/// sign, decimal digits with an optional fractional part, and an optional
/// exponent: "26", " 26 ", "+26", "26.0", ".5", "2.6e1". No digit grouping,
/// hexadecimal, currency or other forms. Empty or blank text is not a number.
std::optional<double> ParseNumber(const std::string& text);

/// What a field that must hold a whole number from 1 to a maximum holds.
enum class WholeNumber { Valid, NotANumber, NotPositive, NotWhole, TooLarge };
/// Checks `text` against the number syntax and the range 1 to `maximum`; the
/// number is stored in `value` when it is valid. The checks run in the order
/// of the enumeration.
WholeNumber CheckWholeNumber(const std::string& text, std::int32_t maximum, std::int32_t& value);

/// Leading and trailing spaces removed.
std::string TrimSpaces(const std::string& text);

/// True when `text` begins with `prefix`, ASCII letters compared without regard
/// to case and every other byte exactly.
bool StartsWithNoCase(std::string_view text, std::string_view prefix);

}  // namespace vellumark

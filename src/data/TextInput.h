#pragma once

#include <optional>
#include <string>

namespace vellumark {

/// The number syntax of every numeric field: optional blanks around, an optional
/// sign, decimal digits with an optional fractional part, and an optional
/// exponent: "26", " 26 ", "+26", "26.0", ".5", "2.6e1". No digit grouping,
/// hexadecimal, currency or other forms. Empty or blank text is not a number.
std::optional<double> ParseNumber(const std::string& text);

/// Leading and trailing spaces removed.
std::string TrimSpaces(const std::string& text);

/// Removes a final ".html" and then a final ".htm", letter case significant:
/// "a.htm.html" gives "a", "notes.HTML" stays.
std::string StripReportSuffix(const std::string& name);

/// True when a report name would lead out of the Report folder.
bool HasPathSeparator(const std::string& name);

}  // namespace vellumark

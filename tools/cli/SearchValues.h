#pragma once

#include "data/Gematria.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vellumark::cli {

/// The value text of a search as the window's value field would hold it: a
/// number as typed, or for text with Hebrew letters its gematria by `method`,
/// its letter count or its word count, after the measure. Text that holds both
/// Hebrew letters and digits ("26א") is a UsageError.
std::string SearchValueText(const std::string& typed, Method method, std::int16_t measure);

/// The values of --values-from: `source` is a file, a pipe or "-" (standard
/// input), one value a line, as --value takes it. Blank lines are passed
/// over; spaces, tabs, a CR before the line break and a UTF-8 byte-order mark
/// are white space. The first value the window would refuse is a UsageError
/// naming its line: «values.txt, line 5 (0): Numeric value must be greater
/// than zero», at most 40 characters of the line shown, a NUL as \0.
std::vector<std::int32_t> ReadSearchValues(const std::string& source, Method method,
                                           std::int16_t measure);

}  // namespace vellumark::cli

#pragma once

#include "data/Gematria.h"
#include "data/VerseRange.h"
#include "search/Searches.h"

#include <map>
#include <string>

namespace vellumark::cli {

/// The command line's names of the counting methods, matches and measures, as
/// CLI11 maps them onto the core's values (letter case ignored).
extern const std::map<std::string, int> kMethodNames;
/// The search's methods (all but integral-reduced) and the value command's,
/// each with "all", which stands for kAllMethods.
extern const std::map<std::string, int> kSearchMethodNames;
extern const std::map<std::string, int> kValueMethodNames;
inline constexpr int kAllMethods = -1;
extern const std::map<std::string, Match> kMatchNames;
extern const std::map<std::string, std::int16_t> kMeasureNames;
extern const std::map<std::string, Reading> kReadingNames;

/// The book of a name as typed: an abbreviation as reports write it ("Gen",
/// "1 Sam", "1Sam") or a name of the book lists ("Genesis", "1 samuel"),
/// letter case and spaces ignored; failing those, the one book whose
/// abbreviation or name begins with it ("1Sa", "Deuter"). 0 when none or
/// several fit.
std::int16_t FindBook(const std::string& typed);

/// A range as typed on the command line, split into the fields of Range
/// Totals: "Gen 1:1-Deut 34:12", "1 Sam 3:1-3:21" (the end in the start's
/// book), "Ps 23:1" (one verse). Chapters and verses stay text, so that
/// ValidateRange checks them with the window's messages; the book names are
/// those of the book lists. `message` is empty when the text could be split.
struct ParsedRange {
    RangeInput range;
    std::string message;
};
ParsedRange ParseRange(const std::string& text);

}  // namespace vellumark::cli

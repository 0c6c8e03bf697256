#pragma once

#include "search/SearchObserver.h"

#include <cstdint>
#include <string>

namespace vellumark {

/// What every search needs from the window.
struct SearchRequest {
    std::string appPath;
    std::string reportName;    ///< without ".html"
    std::string reportHeader;  ///< as typed
    std::int32_t value = 0;
};

/// Measures of the verse searches.
enum SearchType : std::int16_t { kWordCount = 1, kLetterCount = 2, kGematria = 3 };

/// Each search writes the whole report and returns false, as its callers expect.
/// Failures are thrown (FileError, DataError); the previous report then stays.
bool MatchSingleLine(const SearchRequest& request, std::int16_t searchType,
                     SearchObserver& observer);
bool MatchMultipleLine(const SearchRequest& request, std::int16_t searchType,
                       SearchObserver& observer);
bool MatchSingleWord(const SearchRequest& request, SearchObserver& observer);
bool MatchMultipleWord(const SearchRequest& request, SearchObserver& observer);

/// Records the Multiple Match verse search loads: the number of verses.
constexpr std::size_t kVerseCount = 23213;

}  // namespace vellumark

#pragma once

#include "data/Gematria.h"
#include "data/VerseRecordFile.h"
#include "search/Hit.h"
#include "search/SearchObserver.h"

#include <cstdint>
#include <optional>
#include <string>

namespace vellumark {

/// The four searches: words (Word/Phrase Single Match), phrases (Word/Phrase
/// Multiple Match), verses (Verse Single Match), verse runs (Verse Multiple Match).
enum class Match { Words, Phrases, Verses, VerseRuns };

/// Measures of the verse searches.
enum SearchType : std::int16_t { kWordCount = 1, kLetterCount = 2, kGematria = 3 };

/// The verses a search is limited to: from `first` to `last`, both included,
/// in file order.
struct VerseScope {
    VerseId first;
    VerseId last;
};

/// What every search needs: the checked input of Value Search.
struct SearchRequest {
    std::string appPath;
    std::string reportName;    ///< without ".html"
    std::string reportHeader;  ///< as typed
    std::int32_t value = 0;
    Match match = Match::Words;
    std::int16_t searchType = kGematria;  ///< the verse searches' measure
    /// How letters are counted; Word Count and Letter Count do not depend on it.
    Method method = Method::StandardAndFinal;
    /// Only hits inside these verses; none: the whole text.
    std::optional<VerseScope> scope;
};

/// What a search did.
struct SearchResult {
    long hits = 0;
    std::string reportPath;  ///< empty when the hits went to another sink
    bool killed = false;     ///< stopped by Kill Process; the report is complete
};

/// Runs the search and writes its HTML report <app>/Report/<name>.html, which
/// replaces an earlier one only when the search ends, normally or killed.
/// Failures are thrown (FileError, DataError); the earlier report then stays.
SearchResult RunSearch(const SearchRequest& request, SearchObserver& observer);

/// Runs the search and hands its hits to `sink` (begin, every hit, finish).
SearchResult RunSearch(const SearchRequest& request, HitSink& sink, SearchObserver& observer);

/// Records the Multiple Match verse search loads: the number of verses.
constexpr std::size_t kVerseCount = 23213;

}  // namespace vellumark

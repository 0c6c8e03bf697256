#pragma once

#include "data/AppPaths.h"
#include "data/Gematria.h"
#include "data/Scope.h"
#include "data/VerseRange.h"
#include "data/VerseRecordFile.h"
#include "search/Hit.h"
#include "search/SearchObserver.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vellumark {

/// The four searches: words (Word/Phrase Single Match), phrases (Word/Phrase
/// Multiple Match), verses (Verse Single Match), verse runs (Verse Multiple Match).
enum class Match { Words, Phrases, Verses, VerseRuns };

/// Measures of the verse searches.
enum SearchType : std::int16_t { kWordCount = 1, kLetterCount = 2, kGematria = 3 };

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
    std::optional<Scope> scope;
    /// The written text (the default) or the read one.
    Reading reading = Reading::Written;
    /// "All methods": the value under every search method, each method's hits
    /// after those of the methods before it; `method` is then not used.
    bool allMethods = false;
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

class SearchData;

/// Runs the search over data read once for many searches (its program folder,
/// not `request.appPath`, gives the verses; the report goes to
/// `request.appPath`). A range as typed whose verses the data does not hold,
/// or whose last verse comes before its first, is a DataError; so is a named
/// scope that holds no verse of the data.
SearchResult RunSearch(const SearchRequest& request, const SearchData& data, HitSink& sink,
                       SearchObserver& observer);
/// The same, writing the HTML report as RunSearch(request, observer) does,
/// with the verse texts the data keeps (data.texts()): a second search does
/// not read Hebrew.txt or EnglishOT.html again.
SearchResult RunSearch(const SearchRequest& request, const SearchData& data,
                       SearchObserver& observer);

/// True when the search's hits depend on how letters are counted: the word and
/// phrase searches, and the verse searches by gematria.
bool UsesMethod(const SearchRequest& request);

/// The methods a search runs under: its method, or under All methods every
/// search method in their order (Integral reduced is no search method).
std::vector<Method> SearchMethods(const SearchRequest& request);

}  // namespace vellumark

#pragma once

#include "search/Hit.h"
#include "search/SearchData.h"
#include "search/SearchObserver.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vellumark {

/// Verses from `first` to `last`: positions in the data, both included.
struct Span {
    std::size_t first = 0;
    std::size_t last = 0;
};

/// What a scan reads: the decoded records, one method's values, and the verses
/// from `first` to `last` (positions in the data, both included) that it
/// reports hits in. A scope of several ranges is scanned range by range; the
/// verse runs' scan takes them all at once in `ranges` (then `first` and
/// `last` do not count), so that one progress bar counts them.
struct ScanInput {
    const SearchData& data;
    const MethodValues& values;
    std::size_t first = 0;
    std::size_t last = 0;
    std::vector<Span> ranges;
};

struct SearchRequest;

/// The values and verses a request's scan reads: its method's (or the
/// records' own when the method does not matter), and its scope's ranges of
/// verses or all (`first` and `last` then those of the first range). A typed
/// range whose verses the data does not hold in order, a named scope with no
/// verse in the data, or a method no search takes (Integral reduced), is a
/// DataError. Under All methods, the first search method's values.
ScanInput ScanInputOf(const SearchRequest& request, const SearchData& data);

/// Word Count, Letter Count and Gematria are the verse searches' measures.
bool IsKnownType(std::int16_t searchType);
/// Each verse's value of a known measure: its count from the records, or its
/// gematria by the scan's method.
const std::int32_t* MeasureOf(const ScanInput& in, std::int16_t searchType);

/// A word's mark in a word search's hit for `value`: 2 for a pair whose
/// alternate matches, else 1 where the value does, else 0. Worked out without
/// a branch, as the words of a verse match at random.
inline std::uint8_t WordMark(const ScanWord& word, std::int64_t value) {
    const unsigned alternate = word.pair & (word.alternate == value);
    const unsigned primary = word.primary == value;
    return static_cast<std::uint8_t>(alternate * 2 + (primary & (alternate ^ 1)));
}

/// The scans of the four searches: each hands its hits to the sink in file order.
void MatchSingleLine(const ScanInput& in, std::int32_t intValue, std::int16_t intSearchType,
                     HitSink& sink);
/// Yields to the window once per start verse; returns true when Kill Process
/// stopped it. A run starts and ends within one book and within one range.
bool MatchMultipleLine(const ScanInput& in, std::int32_t intValue, std::int16_t intSearchType,
                       HitSink& sink, SearchObserver& observer);

/// Best: the widest steps the processor allows, over the kept running sums
/// (SearchData::keptWordSums) or, at a first phrase search, sums worked out
/// verse by verse; Portable: one start word at a time over the kept sums, as
/// on any processor; FromScratch: as Best, the sums always worked out. The
/// tests hold the three to the same hits.
enum class ScanPath { Best, Portable, FromScratch };
/// The word scan takes eight words a step but on the Portable path.
void MatchSingleWord(const ScanInput& in, std::int32_t intValue, HitSink& sink,
                     ScanPath path = ScanPath::Best);
void MatchMultipleWord(const ScanInput& in, std::int32_t intValue, HitSink& sink,
                       ScanPath path = ScanPath::Best);

}  // namespace vellumark

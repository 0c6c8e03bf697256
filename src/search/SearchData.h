#pragma once

#include "data/AppPaths.h"
#include "data/Gematria.h"
#include "data/LargeArrays.h"
#include "data/VerseRecordFile.h"

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace vellumark {

class VerseTexts;

/// A word's values as the searches compare them: its method's value and, under
/// StandardAndFinal, its final-letter value; `pair` when WordMatrix.dat holds
/// the two apart. Without a pair `alternate` equals `primary`.
struct ScanWord {
    std::int32_t primary = 0;
    std::int32_t alternate = 0;
    bool pair = false;
};

/// One method's values of every word and verse, in file order. Under any
/// method but StandardAndFinal a word's alternate is its value and no verse
/// has an alternate of its own.
struct MethodValues {
    bool alternate = false;  ///< the method keeps a second, final-letter value
    /// In huge pages: 3.7 MB for the whole text.
    std::vector<ScanWord, LargeArrayAllocator<ScanWord>> words;
    std::vector<std::int32_t> verses;           ///< a verse's gematria by the method
    std::vector<std::int32_t> verseAlternates;  ///< its alternative gematria
};

/// One method's running sums of word values, verse by verse, for the phrase
/// scan: the sums of verse v start at firstWords[v] + v and run over its words
/// and one more, sums[k] adding up the words before k. The words i to j of the
/// verse add up to sums[j + 1] - sums[i]. A verse's sum fits 32 bits, as its
/// value does. `alternate` holds the sums of the alternate values (empty when
/// the method keeps none); `pairs` marks the verses holding a word whose two
/// values differ.
///
/// `primaryFilter` and `alternateFilter` hold per verse a filter of 512 bits
/// (kSumFilterWords words) with the bit SumFilterBit(s) set for each of its
/// sums s: a phrase from a start word can equal the value only where the
/// start's sum plus the value has its bit set. The sums end with room for a
/// scan that reads up to eight of them past a verse's last.
/// The arrays are left uninitialised at allocation and written once each:
/// a search in a fresh process pays for each page only when it is filled.
struct WordSums {
    std::unique_ptr<std::int32_t[]> primary;
    std::unique_ptr<std::int32_t[]> alternate;
    std::unique_ptr<std::uint8_t[]> pairs;
    std::unique_ptr<std::uint32_t[]> primaryFilter;
    std::unique_ptr<std::uint32_t[]> alternateFilter;
};

inline constexpr std::size_t kSumFilterWords = 16;
inline constexpr std::uint32_t kSumFilterMix = 0x9E3779B1U;
inline constexpr unsigned kSumFilterShift = 9;

/// A sum's bit in a verse's filter, 0 to 511: the sum mixed by a
/// multiplication, so that round sums spread over the bits.
inline unsigned SumFilterBit(std::int64_t sum) {
    return (static_cast<std::uint32_t>(sum) * kSumFilterMix) >> (32 - kSumFilterShift);
}

/// Whether `filter` (kSumFilterWords words) has the bit of `sum` set.
inline bool SumFilterHas(const std::uint32_t* filter, std::int64_t sum) {
    const unsigned bit = SumFilterBit(sum);
    return (filter[bit >> 5] >> (bit & 31)) & 1;
}

/// The running sums of a verse's `count` words into `primary` and, when not
/// null, `alternate` (count + 1 each, the first 0); whether a word's two
/// values differ.
bool VerseSums(const ScanWord* words, std::uint32_t count, std::int32_t* primary,
               std::int32_t* alternate);
/// The filter (kSumFilterWords words, all written) of the sums 0 to `count`.
void SumFilterOf(const std::int32_t* sums, std::uint32_t count, std::uint32_t* filter);

/// The record files of one program folder, read and decoded once for any
/// number of searches. The values of a method other than StandardAndFinal come
/// from the letters of Hebrew.txt, computed the first time a search asks for
/// them; Hebrew.txt must hold the verses of the records, line by line, with
/// the words of the word records.
class SearchData {
public:
    /// Reads LineData.dat and WordMatrix.dat, which must agree verse by verse
    /// (FileError, DataError). With `lastNeeded`, reading stops after that
    /// verse: a search within a range needs no more. `reading`: the written
    /// text's files or the read text's (Data/Qere).
    explicit SearchData(const std::string& appPath,
                        const std::optional<VerseId>& lastNeeded = std::nullopt,
                        Reading reading = Reading::Written);
    ~SearchData();
    SearchData(const SearchData&) = delete;
    SearchData& operator=(const SearchData&) = delete;

    const std::string& appPath() const { return appPath_; }
    Reading reading() const { return reading_; }
    const std::string& lineDataPath() const { return lineDataPath_; }
    std::size_t verseCount() const { return ids_.size(); }
    const std::vector<VerseId>& ids() const { return ids_; }
    const std::vector<std::int32_t>& wordCounts() const { return wordCounts_; }
    const std::vector<std::int32_t>& letterCounts() const { return letterCounts_; }
    /// Per verse the index of its first word; one more entry ends the last verse.
    const std::vector<std::uint32_t>& firstWords() const { return firstWords_; }

    /// The values of `method`, computed once (callers may share the data
    /// between threads). A Hebrew.txt that does not hold the records' verses
    /// and words is a DataError naming it and the verse.
    const MethodValues& values(Method method) const;
    /// Computes the values of those `methods` not yet computed, in one reading
    /// of Hebrew.txt (the same errors as values()).
    void prepare(const std::vector<Method>& methods) const;

    /// The running sums of `values`, which must be values() of this data,
    /// worked out at the first call and kept.
    const WordSums& wordSums(const MethodValues& values) const;
    /// The same, but null at the first phrase search of `values`: one search
    /// alone (the command line's) works its sums out verse by verse as it
    /// goes, sparing the pages of the kept ones; from the second on they are
    /// kept.
    const WordSums* keptWordSums(const MethodValues& values) const;

    /// The verse texts of the program folder, opened at the first call (a
    /// FileError when a text file is missing) and kept: searches that write
    /// reports or rows take them here instead of reading the files again.
    const VerseTexts& texts() const;

    /// The position of verse `id` at or after `from`, if there is one.
    std::optional<std::size_t> find(const VerseId& id, std::size_t from = 0) const;

private:
    std::size_t methodOf(const MethodValues& values) const;

    std::string appPath_;
    Reading reading_ = Reading::Written;
    std::string lineDataPath_;
    std::vector<VerseId> ids_;
    std::vector<std::int32_t> wordCounts_;
    std::vector<std::int32_t> letterCounts_;
    std::vector<std::uint32_t> firstWords_;
    mutable std::mutex mutex_;
    mutable std::array<std::unique_ptr<MethodValues>, kMethods.size()> values_;
    mutable std::array<std::unique_ptr<WordSums>, kMethods.size()> sums_;
    mutable std::array<int, kMethods.size()> phraseSearches_{};
    mutable std::unique_ptr<VerseTexts> texts_;
};

/// Computes the values of `method` from the letters of Hebrew.txt for the
/// verses of `data` (what SearchData::values does once per method): each line
/// must be its verse's and hold as many words, separated by single spaces, as
/// its word block (else a DataError naming Hebrew.txt and the verse, with the
/// hint to rebuild the data).
MethodValues ComputeMethodValues(const SearchData& data, Method method);
/// The same for several methods in one reading of Hebrew.txt, in their order.
std::vector<MethodValues> ComputeMethodValues(const SearchData& data,
                                              const std::vector<Method>& methods);

}  // namespace vellumark

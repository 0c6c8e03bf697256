#pragma once

#include "data/Gematria.h"
#include "search/SearchData.h"

#include <cstdint>
#include <vector>

namespace vellumark {

/// How many words, phrases and verses of the data have one value under one
/// method. Under StandardAndFinal either value counts, as its searches find them.
struct EqualCounts {
    Method method = Method::StandardAndFinal;
    long words = 0;
    long phrases = 0;  ///< of 2 up to the longest length asked for, within a verse
    long verses = 0;
};

/// Per search method, in their order, the words, phrases of 2 to `maxWords`
/// words and verses whose value by that method is `value`: the calculator's
/// "Equal under other methods". The methods' values are computed as
/// SearchData::prepare does (its errors).
std::vector<EqualCounts> CountEqualValues(const SearchData& data, std::int64_t value, int maxWords);

}  // namespace vellumark

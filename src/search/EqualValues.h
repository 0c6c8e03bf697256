#pragma once

#include "data/Gematria.h"
#include "search/SearchData.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vellumark {

/// How many words, phrases and verses of the data have one value under one
/// method, counted as the searches find them: under StandardAndFinal either
/// value counts, and a phrase is the one a phrase search finds from its first
/// word (the shortest reaching the value).
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

/// The method × method matrix of coincidences among words: row r holds a
/// text's value under one method, column c a search method, and the cell the
/// number of words (each place in the text) whose value under c equals it.
/// For example, a text of value 26 under Standard: the row's cell under
/// Ordinal counts the words whose Ordinal value is 26.
struct EqualWordsMatrix {
    std::vector<Method> rows;
    std::vector<std::int64_t> values;  ///< the text's value per row
    std::vector<Method> columns;       ///< every search method
    std::vector<std::vector<long>> counts;
};

/// The matrix for `textValues` (one per row method, e.g. every method's value
/// of the calculator's text); values under 1 count no word.
EqualWordsMatrix CountEqualWords(const SearchData& data,
                                 const std::vector<std::pair<Method, std::int64_t>>& textValues);

/// The matrix as CSV, the command line's keys naming the methods:
///
///     method,value,standard-final,standard,…
///     standard,26,6565,6565,…
std::string EqualWordsCsv(const EqualWordsMatrix& matrix);

}  // namespace vellumark

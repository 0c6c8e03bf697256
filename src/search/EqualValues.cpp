#include "search/EqualValues.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

namespace vellumark {

namespace {

constexpr std::size_t kFilterBits = 1 << 16;

std::vector<Method> SearchMethodList() {
    std::vector<Method> methods;
    for (Method method : kMethods)
        if (IsSearchMethod(method)) methods.push_back(method);
    return methods;
}

/// Whether the phrase search finds, from word `i` of a verse ending before
/// `end`, a phrase of 2 to `maxWords` words: the shortest phrase whose value
/// reaches `value` on the alternate sum before the primary one, or else on
/// the primary sum, if that sum equals it.
bool PhraseFrom(const MethodValues& values, std::uint32_t i, std::uint32_t end, std::int64_t value,
                int maxWords) {
    constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();
    const std::uint32_t limit =
        std::min<std::uint32_t>(end, i + static_cast<std::uint32_t>(maxWords));
    std::int64_t primary = 0;
    std::int64_t alternate = 0;
    std::uint32_t primaryEnd = kNone;
    std::uint32_t alternateEnd = kNone;
    bool primaryEqual = false;
    bool alternateEqual = false;
    for (std::uint32_t j = i; j < limit; ++j) {
        if (values.alternate && alternateEnd == kNone) {
            alternate += values.words[j].alternate;
            if (alternate >= value) {
                alternateEnd = j;
                alternateEqual = alternate == value;
            }
        }
        primary += values.words[j].primary;
        // Values are never negative: past the value, a longer phrase only grows.
        if (primary >= value) {
            primaryEnd = j;
            primaryEqual = primary == value;
            break;
        }
    }
    if (alternateEqual && alternateEnd < primaryEnd) return alternateEnd > i;
    return primaryEqual && primaryEnd > i;
}

EqualCounts CountOne(const SearchData& data, const MethodValues& values, std::int64_t value,
                     int maxWords) {
    EqualCounts counts;
    for (const ScanWord& word : values.words)
        counts.words += word.primary == value || (values.alternate && word.alternate == value);
    const std::vector<std::uint32_t>& firstWords = data.firstWords();
    for (std::size_t v = 0; v + 1 < firstWords.size(); ++v) {
        const std::uint32_t end = firstWords[v + 1];
        for (std::uint32_t i = firstWords[v]; i < end; ++i)
            counts.phrases += PhraseFrom(values, i, end, value, maxWords);
        counts.verses +=
            values.verses[v] == value || (values.alternate && values.verseAlternates[v] == value);
    }
    return counts;
}

}  // namespace

std::vector<EqualCounts> CountEqualValues(const SearchData& data, std::int64_t value,
                                          int maxWords) {
    const std::vector<Method> methods = SearchMethodList();
    data.prepare(methods);
    std::vector<EqualCounts> all;
    for (Method method : methods) {
        all.push_back(CountOne(data, data.values(method), value, maxWords));
        all.back().method = method;
    }
    return all;
}

EqualWordsMatrix CountEqualWords(const SearchData& data,
                                 const std::vector<std::pair<Method, std::int64_t>>& textValues) {
    EqualWordsMatrix matrix;
    matrix.columns = SearchMethodList();
    data.prepare(matrix.columns);
    // The rows of each value: one pass over the words per column. Almost no
    // word has one of the values, so a bit per value's low bits turns most
    // words away before the map is asked.
    std::unordered_map<std::int64_t, std::vector<std::size_t>> rowsOf;
    std::vector<bool> maybe(kFilterBits, false);
    for (const auto& [method, value] : textValues) {
        if (value > 0) {
            rowsOf[value].push_back(matrix.rows.size());
            maybe[static_cast<std::size_t>(value) % kFilterBits] = true;
        }
        matrix.rows.push_back(method);
        matrix.values.push_back(value);
    }
    matrix.counts.assign(matrix.rows.size(), std::vector<long>(matrix.columns.size(), 0));
    for (std::size_t c = 0; c < matrix.columns.size(); ++c) {
        const MethodValues& values = data.values(matrix.columns[c]);
        auto add = [&](std::int64_t wordValue) {
            if (!maybe[static_cast<std::size_t>(wordValue) % kFilterBits]) return;
            const auto found = rowsOf.find(wordValue);
            if (found == rowsOf.end()) return;
            for (std::size_t r : found->second) ++matrix.counts[r][c];
        };
        for (const ScanWord& word : values.words) {
            add(word.primary);
            // Either value of a pair counts, as the word search finds it.
            if (values.alternate && word.alternate != word.primary) add(word.alternate);
        }
    }
    return matrix;
}

std::string EqualWordsCsv(const EqualWordsMatrix& matrix) {
    std::string csv = "method,value";
    for (Method column : matrix.columns) csv.append(",").append(InfoOf(column).key);
    csv += "\r\n";
    for (std::size_t r = 0; r < matrix.rows.size(); ++r) {
        csv.append(InfoOf(matrix.rows[r]).key).append(",").append(std::to_string(matrix.values[r]));
        for (long count : matrix.counts[r]) csv.append(",").append(std::to_string(count));
        csv += "\r\n";
    }
    return csv;
}

}  // namespace vellumark

#include "search/EqualValues.h"

namespace vellumark {

namespace {

EqualCounts CountOne(const SearchData& data, const MethodValues& values, std::int64_t value,
                     int maxWords) {
    EqualCounts counts;
    for (const ScanWord& word : values.words)
        counts.words += word.primary == value || (values.alternate && word.alternate == value);
    const std::vector<std::uint32_t>& firstWords = data.firstWords();
    for (std::size_t v = 0; v + 1 < firstWords.size(); ++v) {
        const std::uint32_t end = firstWords[v + 1];
        for (std::uint32_t i = firstWords[v]; i < end; ++i) {
            std::int64_t primary = values.words[i].primary;
            std::int64_t alternate = values.words[i].alternate;
            // Values are never negative: past the value, a longer phrase only grows.
            for (std::uint32_t j = i + 1; j < end && j - i < static_cast<std::uint32_t>(maxWords);
                 ++j) {
                primary += values.words[j].primary;
                alternate += values.words[j].alternate;
                if (primary > value) break;
                counts.phrases += primary == value || (values.alternate && alternate == value);
            }
        }
        counts.verses +=
            values.verses[v] == value || (values.alternate && values.verseAlternates[v] == value);
    }
    return counts;
}

}  // namespace

std::vector<EqualCounts> CountEqualValues(const SearchData& data, std::int64_t value,
                                          int maxWords) {
    std::vector<Method> methods;
    for (Method method : kMethods)
        if (IsSearchMethod(method)) methods.push_back(method);
    data.prepare(methods);
    std::vector<EqualCounts> all;
    for (Method method : methods) {
        all.push_back(CountOne(data, data.values(method), value, maxWords));
        all.back().method = method;
    }
    return all;
}

}  // namespace vellumark

#include "search/SearchData.h"

#include "data/AppPaths.h"
#include "data/Books.h"
#include "data/Errors.h"
#include "data/HebrewText.h"
#include "data/RecordFiles.h"
#include "data/VerseTexts.h"

#include <algorithm>
#include <filesystem>
#include <limits>
#include <stdexcept>

namespace vellumark {

SearchData::SearchData(const std::string& appPath, const std::optional<VerseId>& lastNeeded,
                       Reading reading)
    : appPath_(appPath),
      reading_(reading),
      lineDataPath_(TextPath(appPath, reading, kLineDataFile)) {
    RecordFiles files(appPath, reading);
    auto standard = std::make_unique<MethodValues>();
    standard->alternate = true;
    const auto verses = static_cast<std::size_t>(files.recordCount());
    for (auto* column :
         {&wordCounts_, &letterCounts_, &standard->verses, &standard->verseAlternates})
        column->reserve(verses);
    ids_.reserve(verses);
    firstWords_.reserve(verses + 1);
    // A word takes at least one 16-bit field of WordMatrix.dat: room for all of
    // them at once spares the copies (and fresh pages) of a growing vector.
    std::error_code unknown;
    const std::uintmax_t wordBytes =
        std::filesystem::file_size(TextPath(appPath, reading, kWordMatrixFile), unknown);
    if (!unknown) standard->words.reserve(static_cast<std::size_t>(wordBytes / 2));
    while (files.next()) {
        const VerseRecord& record = files.record();
        ids_.push_back(files.id());
        wordCounts_.push_back(record[VerseRecord::WordCount]);
        letterCounts_.push_back(record[VerseRecord::LetterCount]);
        standard->verses.push_back(record[VerseRecord::Gematria]);
        standard->verseAlternates.push_back(record[VerseRecord::AltGematria]);
        firstWords_.push_back(static_cast<std::uint32_t>(standard->words.size()));
        for (const WordValue& word : files.block().words)
            standard->words.push_back({word.primary, word.alternate, word.pair});
        if (lastNeeded && files.id() == *lastNeeded) break;
    }
    firstWords_.push_back(static_cast<std::uint32_t>(standard->words.size()));
    values_[static_cast<std::size_t>(Method::StandardAndFinal)] = std::move(standard);
}

SearchData::~SearchData() = default;

const MethodValues& SearchData::values(Method method) const {
    prepare({method});
    const std::lock_guard<std::mutex> lock(mutex_);
    return *values_[static_cast<std::size_t>(method)];
}

void SearchData::prepare(const std::vector<Method>& methods) const {
    const std::lock_guard<std::mutex> lock(mutex_);
    std::vector<Method> missing;
    for (Method method : methods)
        if (!values_[static_cast<std::size_t>(method)]) missing.push_back(method);
    if (missing.empty()) return;
    std::vector<MethodValues> computed = ComputeMethodValues(*this, missing);
    for (std::size_t m = 0; m < missing.size(); ++m) {
        values_[static_cast<std::size_t>(missing[m])] =
            std::make_unique<MethodValues>(std::move(computed[m]));
    }
}

bool VerseSums(const ScanWord* words, std::uint32_t count, std::int32_t* primary,
               std::int32_t* alternate) {
    bool pair = false;
    primary[0] = 0;
    for (std::uint32_t k = 0; k < count; ++k) {
        primary[k + 1] = primary[k] + words[k].primary;
        pair |= words[k].primary != words[k].alternate;
    }
    if (alternate) {
        alternate[0] = 0;
        for (std::uint32_t k = 0; k < count; ++k)
            alternate[k + 1] = alternate[k] + words[k].alternate;
    }
    return pair;
}

void SumFilterOf(const std::int32_t* sums, std::uint32_t count, std::uint32_t* filter) {
    // Gathered here and then stored whole, so that kept filters are written once.
    std::uint32_t bits[kSumFilterWords] = {};
    for (std::uint32_t k = 0; k <= count; ++k) {
        const unsigned bit = SumFilterBit(sums[k]);
        bits[bit >> 5] |= std::uint32_t{1} << (bit & 31);
    }
    std::copy_n(bits, kSumFilterWords, filter);
}

std::size_t SearchData::methodOf(const MethodValues& values) const {
    std::size_t m = 0;
    while (m < values_.size() && values_[m].get() != &values) ++m;
    if (m == values_.size()) throw std::logic_error("wordSums: the values of other data");
    return m;
}

const WordSums* SearchData::keptWordSums(const MethodValues& values) const {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        const std::size_t m = methodOf(values);
        if (!sums_[m] && ++phraseSearches_[m] < 2) return nullptr;
    }
    return &wordSums(values);
}

const WordSums& SearchData::wordSums(const MethodValues& values) const {
    const std::lock_guard<std::mutex> lock(mutex_);
    std::unique_ptr<WordSums>& slot = sums_[methodOf(values)];
    if (slot) return *slot;
    auto sums = std::make_unique<WordSums>();
    const std::size_t verses = ids_.size();
    // Eight more at the end: the phrase scan reads up to eight sums past a verse's last.
    const std::size_t size = values.words.size() + verses + 8;
    sums->primary = std::make_unique_for_overwrite<std::int32_t[]>(size);
    std::fill_n(sums->primary.get() + size - 8, 8, 0);
    if (values.alternate) {
        sums->alternate = std::make_unique_for_overwrite<std::int32_t[]>(size);
        std::fill_n(sums->alternate.get() + size - 8, 8, 0);
        sums->alternateFilter =
            std::make_unique_for_overwrite<std::uint32_t[]>(kSumFilterWords * verses);
    }
    sums->pairs = std::make_unique_for_overwrite<std::uint8_t[]>(verses);
    sums->primaryFilter = std::make_unique_for_overwrite<std::uint32_t[]>(kSumFilterWords * verses);
    for (std::size_t v = 0; v < verses; ++v) {
        std::int32_t* primary = sums->primary.get() + firstWords_[v] + v;
        std::int32_t* alternate =
            values.alternate ? sums->alternate.get() + firstWords_[v] + v : nullptr;
        const std::uint32_t count = firstWords_[v + 1] - firstWords_[v];
        const bool pair =
            VerseSums(values.words.data() + firstWords_[v], count, primary, alternate);
        if (alternate)
            SumFilterOf(alternate, count, sums->alternateFilter.get() + kSumFilterWords * v);
        sums->pairs[v] = pair && alternate;
        SumFilterOf(primary, count, sums->primaryFilter.get() + kSumFilterWords * v);
    }
    slot = std::move(sums);
    return *slot;
}

const VerseTexts& SearchData::texts() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (!texts_) texts_ = std::make_unique<VerseTexts>(appPath_, reading_);
    return *texts_;
}

std::optional<std::size_t> SearchData::find(const VerseId& id, std::size_t from) const {
    for (std::size_t v = from; v < ids_.size(); ++v) {
        if (ids_[v] == id) return v;
    }
    return std::nullopt;
}

namespace {

/// A word's or verse's value as the searches hold it: one beyond 32 bits is a
/// DataError, never a wrapped number.
std::int32_t FitsSearch(std::int64_t value, const std::string& path, const VerseId& id,
                        Method method) {
    if (value <= std::numeric_limits<std::int32_t>::max()) return static_cast<std::int32_t>(value);
    throw DataError(path + ", " + VerseName(id.book, id.chapter, id.verse) + ": the value " +
                    std::to_string(value) + " by " + std::string(MethodName(method)) +
                    " is too large to search; values can be at most 2,147,483,647.");
}

}  // namespace

std::vector<MethodValues> ComputeMethodValues(const SearchData& data,
                                              const std::vector<Method>& methods) {
    const std::vector<VerseId>& ids = data.ids();
    const std::vector<std::uint32_t>& firstWords = data.firstWords();
    HebrewText hebrew(TextPath(data.appPath(), data.reading(), kHebrewFile));
    std::vector<MethodValues> all(methods.size());
    for (MethodValues& values : all) {
        values.words.resize(firstWords.back());
        values.verses.resize(ids.size());
    }
    for (std::size_t v = 0; v < ids.size(); ++v) {
        const std::string_view text = hebrew.next(ids[v]);
        const std::uint32_t end = firstWords[v + 1];
        for (std::size_t m = 0; m < methods.size(); ++m) {
            MethodValues& values = all[m];
            std::uint32_t k = firstWords[v];
            std::int64_t sum = 0;
            const std::size_t words = ForEachWordValue(text, methods[m], [&](std::int64_t value) {
                if (k < end) {
                    const std::int32_t word = FitsSearch(value, hebrew.path(), ids[v], methods[m]);
                    values.words[k] = {word, word, false};
                }
                ++k;
                sum += value;
            });
            const std::size_t expected = end - firstWords[v];
            if (words != expected) {
                const VerseId& id = ids[v];
                throw DataError(hebrew.path() + ", " + VerseName(id.book, id.chapter, id.verse) +
                                ": the line has " + std::to_string(words) +
                                " words and the verse's word block " + std::to_string(expected) +
                                "." + kRebuildHint);
            }
            values.verses[v] = FitsSearch(sum, hebrew.path(), ids[v], methods[m]);
        }
    }
    for (MethodValues& values : all) values.verseAlternates = values.verses;
    return all;
}

MethodValues ComputeMethodValues(const SearchData& data, Method method) {
    return std::move(ComputeMethodValues(data, std::vector<Method>{method}).front());
}

}  // namespace vellumark

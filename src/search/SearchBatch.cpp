// Many values of one search in one pass: every word, phrase or verse value is
// looked up among the values wanted, and the hits wait, value by value, until
// the pass is done.
#include "search/SearchBatch.h"

#include "search/Scans.h"

#include <algorithm>
#include <unordered_map>

namespace vellumark {

namespace {

/// The values wanted, each with a slot of its own: a table by value where the
/// values lie close together, else a hash map.
class ValueSlots {
public:
    explicit ValueSlots(const std::vector<std::int32_t>& values) {
        std::vector<std::int32_t> distinct(values);
        std::sort(distinct.begin(), distinct.end());
        distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
        count_ = distinct.size();
        max_ = distinct.empty() ? 0 : distinct.back();
        const bool dense = !distinct.empty() && distinct.front() >= 0 &&
                           static_cast<std::uint64_t>(max_) <= 8 * count_ + 65536;
        for (std::size_t s = 0; s < count_; ++s) {
            if (dense) {
                table_.resize(static_cast<std::size_t>(max_) + 1, -1);
                table_[static_cast<std::size_t>(distinct[s])] = static_cast<std::int32_t>(s);
            } else {
                map_.emplace(distinct[s], static_cast<std::int32_t>(s));
            }
        }
    }

    std::size_t count() const { return count_; }
    std::int64_t max() const { return max_; }

    /// The slot of `value`, or -1 when it is not wanted.
    std::int32_t of(std::int64_t value) const {
        if (!table_.empty())
            return value >= 0 && value <= max_ ? table_[static_cast<std::size_t>(value)] : -1;
        if (value > max_) return -1;
        const auto found = map_.find(value);
        return found == map_.end() ? -1 : found->second;
    }

private:
    std::size_t count_ = 0;
    std::int64_t max_ = 0;
    std::vector<std::int32_t> table_;
    std::unordered_map<std::int64_t, std::int32_t> map_;
};

using HitsBySlot = std::vector<std::vector<Hit>>;

/// Words: a verse is a hit of every wanted value that one of its words has,
/// marked as the single word search marks it for that value.
void Words(const ScanInput& in, const ValueSlots& slots, HitsBySlot& hits) {
    const std::vector<std::uint32_t>& firstWords = in.data.firstWords();
    std::vector<std::int64_t> found;
    for (std::size_t v = in.first; v <= in.last; ++v) {
        const ScanWord* const words = in.values.words.data() + firstWords[v];
        const auto count = static_cast<int>(firstWords[v + 1] - firstWords[v]);
        found.clear();
        for (int w = 0; w < count; ++w) {
            for (const std::int64_t value : {words[w].primary, words[w].alternate}) {
                if (slots.of(value) >= 0 &&
                    std::find(found.begin(), found.end(), value) == found.end())
                    found.push_back(value);
            }
        }
        for (const std::int64_t value : found) {
            Hit& hit = hits[static_cast<std::size_t>(slots.of(value))].emplace_back();
            hit.verse = in.data.ids()[v];
            hit.wordCount = count;
            for (int w = 0; w < count; ++w)
                hit.marks[static_cast<std::size_t>(w)] = WordMark(words[w], value);
        }
    }
}

/// Phrases: from each start word, the phrase grows until its primary sum
/// passes the largest value wanted. Each value takes the first phrase that
/// matches it, by its primary sum or by an alternate sum above the primary.
void Phrases(const ScanInput& in, const ValueSlots& slots, HitsBySlot& hits) {
    const std::vector<std::uint32_t>& firstWords = in.data.firstWords();
    std::vector<std::int64_t> taken;  // the values matched from this start
    for (std::size_t v = in.first; v <= in.last; ++v) {
        const ScanWord* const words = in.values.words.data() + firstWords[v];
        const auto count = static_cast<int>(firstWords[v + 1] - firstWords[v]);
        for (int i = 0; i < count; ++i) {
            std::int64_t primary = 0;
            std::int64_t alternate = 0;
            taken.clear();
            auto take = [&](std::int64_t value, int j, bool onAlternate) {
                const std::int32_t slot = slots.of(value);
                if (slot < 0 || std::find(taken.begin(), taken.end(), value) != taken.end()) return;
                taken.push_back(value);
                Hit& hit = hits[static_cast<std::size_t>(slot)].emplace_back();
                hit.verse = in.data.ids()[v];
                hit.wordCount = count;
                hit.firstWord = i;
                hit.lastWord = j;
                hit.alternate = onAlternate;
            };
            for (int j = i; j < count; ++j) {
                primary += words[j].primary;
                alternate += words[j].alternate;
                if (primary > slots.max()) break;
                take(primary, j, false);
                if (alternate > primary) take(alternate, j, true);
            }
        }
    }
}

/// Verses: a verse is a hit of its measure, and of its alternative gematria.
void Verses(const ScanInput& in, std::int16_t searchType, const ValueSlots& slots,
            HitsBySlot& hits) {
    if (!IsKnownType(searchType)) return;
    const std::int32_t* const measure = MeasureOf(in, searchType);
    const std::int32_t* const second = in.values.verseAlternates.data();
    const bool withAlternate = searchType == kGematria && in.values.alternate;
    for (std::size_t v = in.first; v <= in.last; ++v) {
        auto add = [&](std::int32_t slot, bool alternate) {
            Hit& hit = hits[static_cast<std::size_t>(slot)].emplace_back();
            hit.verse = in.data.ids()[v];
            hit.alternate = alternate;
        };
        if (const std::int32_t slot = slots.of(measure[v]); slot >= 0)
            add(slot, withAlternate && second[v] == measure[v]);
        if (withAlternate && second[v] != measure[v]) {
            if (const std::int32_t slot = slots.of(second[v]); slot >= 0) add(slot, true);
        }
    }
}

}  // namespace

long RunSearchBatch(const SearchRequest& request, const std::vector<std::int32_t>& values,
                    const SearchData& data, HitSink& sink, SearchObserver& observer,
                    const NextValue& next) {
    long total = 0;
    SearchRequest one = request;
    // Verse runs, and All methods (a pass per method), go value by value; so
    // does one value, whose own scan is quicker than a pass for many.
    if (request.match == Match::VerseRuns || (request.allMethods && UsesMethod(request)) ||
        values.size() == 1) {
        for (const std::int32_t value : values) {
            one.value = value;
            if (!next(one)) break;
            total += RunSearch(one, data, sink, observer).hits;
        }
        return total;
    }

    if (values.empty()) return 0;
    ScanInput in = ScanInputOf(request, data);
    const ValueSlots slots(values);
    HitsBySlot hits(slots.count());
    observer.processingShown(true);
    for (const Span& range : in.ranges) {
        in.first = range.first;
        in.last = range.last;
        if (request.match == Match::Words)
            Words(in, slots, hits);
        else if (request.match == Match::Phrases)
            Phrases(in, slots, hits);
        else
            Verses(in, request.searchType, slots, hits);
    }
    observer.processingShown(false);

    for (const std::int32_t value : values) {
        one.value = value;
        if (!next(one)) break;
        sink.begin();
        for (const Hit& hit : hits[static_cast<std::size_t>(slots.of(value))]) sink.add(hit);
        sink.finish();
        total += static_cast<long>(hits[static_cast<std::size_t>(slots.of(value))].size());
    }
    return total;
}

}  // namespace vellumark

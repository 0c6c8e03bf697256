#pragma once

#include "search/Hit.h"
#include "search/Searches.h"

#include <string>
#include <vector>

namespace vellumark {

/// One row of the Results window, as the command line counts them: a matched
/// word, a phrase, a verse or a run. Word positions are 1-based, 0 for the
/// verse searches; `end` is set for runs only. The texts are looked up when
/// the row is shown.
struct ResultRow {
    VerseId verse;
    VerseId end;
    int firstWord = 0;
    int lastWord = 0;
    /// Runs: how many verses follow the first.
    int furtherVerses = 0;
    bool alternate = false;
    /// The method the hit was found under (All methods: each hit's own).
    Method method = Method::StandardAndFinal;
};

/// A search's rows and what was searched.
struct ResultSet {
    SearchRequest request;
    /// The search's hits, which exports turn into the command line's rows.
    std::vector<Hit> hits;
    std::vector<ResultRow> rows;
    /// The HTML report the hits went to, if any.
    std::string reportPath;
    bool killed = false;
    /// Phrases: when set, only phrases of 2 to this many words are kept (the
    /// calculator's "Equal under other methods" counts those).
    int maxPhraseWords = 0;
    /// Distinct verses among the rows (a run counts its first verse).
    std::size_t verses() const;
};

/// Adds the rows of a hit: a verse with two matching words gives two rows.
void AddResultRows(const Hit& hit, Match match, std::vector<ResultRow>& rows);

/// A sink that keeps the hits and rows of one search.
class ResultRowSink : public HitSink {
public:
    /// `maxPhraseWords`: as ResultSet's, for phrases.
    explicit ResultRowSink(Match match, int maxPhraseWords = 0)
        : match_(match), maxPhraseWords_(maxPhraseWords) {}
    void add(const Hit& hit) override {
        if (maxPhraseWords_ > 0 && match_ == Match::Phrases) {
            const int words = hit.lastWord - hit.firstWord + 1;
            if (words < 2 || words > maxPhraseWords_) return;
        }
        hits.push_back(hit);
        AddResultRows(hit, match_, rows);
    }

    std::vector<Hit> hits;
    std::vector<ResultRow> rows;

private:
    Match match_;
    int maxPhraseWords_;
};

/// "6,565 hits in 5,553 verses: words equal to 26 by Standard and final
/// letters, Genesis 1:1 to Malachi 3:24" (`whole` names the text's first and
/// last verse when the search had no scope).
std::string DescribeResults(const ResultSet& results, const VerseScope& whole);

/// "Gen 1:1", "Gen 1:1-3", "Gen 1:30-2:2", "Gen 50:26-Exod 1:2".
std::string RowReference(const ResultRow& row);

}  // namespace vellumark

#pragma once

#include "search/Hit.h"
#include "search/SearchData.h"
#include "search/Searches.h"

#include <functional>
#include <optional>
#include <string>

namespace vellumark::cli {

/// One row of a search's output: a matched word, a phrase, a verse or a run.
/// Word positions are 1-based and 0 for the verse searches; the end verse is
/// set for runs only.
struct HitRow {
    std::int32_t value = 0;
    Method method = Method::StandardAndFinal;
    Match match = Match::Words;
    VerseId verse;
    VerseId end;  ///< runs: the last verse; otherwise all 0
    int firstWord = 0;
    int lastWord = 0;
    std::string hebrew;  ///< the matched words, or the verses' words
    bool alternate = false;
    std::string english;  ///< the English text, plain
};

/// Takes the rows of a search in file order.
using RowHandler = std::function<void(const HitRow&)>;

/// A sink that turns the hits of searches into rows: a verse with two matching
/// words gives two rows. The texts are those `data` keeps, opened at the
/// first hit; `data` must outlive the sink.
class RowSink : public HitSink {
public:
    RowSink(const SearchData& data, RowHandler handler);

    /// The request of the next search: its value, method and match go in the rows.
    void setRequest(const SearchRequest& request) { request_ = request; }

    /// Throws FileError and DataError for missing or damaged text files.
    void add(const Hit& hit) override;

private:
    const SearchData& data_;
    RowHandler handler_;
    SearchRequest request_;
};

}  // namespace vellumark::cli

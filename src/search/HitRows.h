#pragma once

#include "search/Hit.h"
#include "search/SearchData.h"
#include "search/Searches.h"

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vellumark {

class VerseTexts;

/// One row of a search's output, as the command line and the window write
/// them: a matched word, a phrase, a verse or a run. Word positions are 1-based
/// and 0 for the verse searches; the end verse is set for runs only.
///
/// `hebrew` and `english` are views: into the verse texts (which the search
/// data keeps) for words, phrases and verses, into the sink's own buffers for
/// runs, whose verses' texts are joined with spaces. Copy them to keep a run's.
struct HitRow {
    std::int32_t value = 0;
    Method method = Method::StandardAndFinal;
    bool allMethods = false;  ///< found by All methods: the text form names the method
    Match match = Match::Words;
    VerseId verse;
    VerseId end;  ///< runs: the last verse; otherwise all 0
    int firstWord = 0;
    int lastWord = 0;
    std::string_view hebrew;   ///< the matched words, or the verses' words
    bool alternate = false;    ///< the hit is on the final-letter value
    std::string_view english;  ///< the English text, plain, with its KJV note
};

/// Takes the rows of a search in file order.
using RowHandler = std::function<void(const HitRow&)>;

/// A sink that turns the hits of searches into rows: a verse with two matching
/// words gives two rows. The texts are those `data` keeps (data.texts()),
/// taken at the first hit; `data` must outlive the sink. For example:
///
///     RowSink sink(data, [&](const HitRow& row) { writer.row(row); });
///     sink.setRequest(request);
///     RunSearch(request, data, sink, observer);
class RowSink : public HitSink {
public:
    RowSink(const SearchData& data, RowHandler handler);

    /// The request of the next search: its value, method and match go in the rows.
    void setRequest(const SearchRequest& request) { request_ = request; }

    /// Throws FileError and DataError for missing or damaged text files.
    void add(const Hit& hit) override;

private:
    const SearchData& data_;
    const VerseTexts* texts_ = nullptr;  ///< data_.texts(), from the first hit on
    RowHandler handler_;
    SearchRequest request_;
    std::string runHebrew_;
    std::string runEnglish_;
    std::vector<std::pair<int, std::string_view>> marked_;  ///< a words hit's words
};

}  // namespace vellumark

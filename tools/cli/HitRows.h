#pragma once

#include "data/TextStream.h"
#include "search/Hit.h"
#include "search/Searches.h"

#include <functional>
#include <memory>
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

/// English text of a report block as plain text: tags dropped, character
/// entities decoded, spaces around removed. «<i>was</i> A&amp;B» gives «was A&B».
std::string PlainEnglish(std::string_view html);

/// A sink that turns the hits of a search into rows: a verse with two matching
/// words gives two rows. The texts come from Hebrew.txt and EnglishOT.html,
/// read through once per search (each search starts them over).
class RowSink : public HitSink {
public:
    RowSink(const std::string& appPath, RowHandler handler);
    ~RowSink() override;

    /// The request of the next search: its value, method and match go in the rows.
    void setRequest(const SearchRequest& request) { request_ = request; }

    void begin() override;
    void add(const Hit& hit) override;

private:
    struct Texts;
    HitRow rowOf(const Hit& hit);

    std::unique_ptr<Texts> texts_;
    RowHandler handler_;
    SearchRequest request_;
};

}  // namespace vellumark::cli

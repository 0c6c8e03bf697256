#pragma once

#include "data/AtomicFile.h"
#include "data/VerseTexts.h"
#include "search/Hit.h"
#include "search/Searches.h"
#include "search/VerseWords.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vellumark {

/// The HTML report of a search, as a sink of its hits. begin() opens the
/// report under a temporary name and writes the head; each hit becomes its
/// entry lines, with the verse's Hebrew text (matched words highlighted) and
/// its English block, both taken from the verse texts; finish() writes the
/// tail and puts the report in place.
class HtmlReport : public HitSink {
public:
    /// Reads the texts of `request.appPath` (checked in begin()).
    explicit HtmlReport(const SearchRequest& request);
    /// Takes the texts from `texts`, which must outlive the report.
    HtmlReport(const SearchRequest& request, const VerseTexts& texts);
    ~HtmlReport() override;

    void begin() override;
    void add(const Hit& hit) override;
    void finish() override;

    std::string path() const;

private:
    struct Files;

    /// Writes the entry of `hit`, under its method's heading where due.
    void addNow(const Hit& hit);
    /// Writes the entries of the hits still waiting, in their order.
    void drain();
    void addVerse(const Hit& hit);
    void addRun(const Hit& hit);
    void addWords(const Hit& hit);
    void addPhrase(const Hit& hit);
    /// The words of the verse's Hebrew line, checked against its record; the
    /// line and the English block are kept until a hit of another verse.
    VerseWords wordsOf(const Hit& hit);
    /// Room in the report for an entry of up to `bytes` bytes, written
    /// through the pointer and then taken by write(end).
    char* room(std::size_t bytes);
    void write(const char* end);

    const SearchRequest request_;
    const VerseTexts* texts_ = nullptr;
    std::unique_ptr<Files> files_;
    VerseId keptVerse_;
    bool kept_ = false;
    EnglishBlock keptEnglish_;
    std::string_view keptText_;  ///< the Hebrew words of keptVerse_
    /// Word and phrase hits wait in a ring of kWaiting while their lines are
    /// fetched (add); waitingNext_ counts the hits taken since the last drain.
    static constexpr std::size_t kWaiting = 4;
    std::array<Hit, kWaiting> waiting_;
    std::size_t waitingNext_ = 0;
    bool headed_ = false;
    Method headedMethod_ = Method::StandardAndFinal;
};

}  // namespace vellumark

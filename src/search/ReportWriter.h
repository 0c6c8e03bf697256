#pragma once

#include "data/TextStream.h"
#include "search/ReportOutput.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vellumark {

/// The open text streams and the report of one search. Each lookup goes on from
/// where the previous one stopped; everything is closed when the context goes,
/// and the report replaces an earlier one only when the search commits it.
struct SearchContext {
    SearchContext(const std::string& appPath, const std::string& reportName);

    TextStream hebrew;
    TextStream english;
    OutputFile report;
};

/// "<html>", "<head>", "</head>", "<body>", then, when the header is not blank,
/// "<p>", "<h2>" + header as typed + "</h2>", "<p>".
void WriteReportHead(OutputFile& report, const std::string& header);

enum class Tail { TwoLines, OneLine };
/// "</body>" and "</html>", or "</body></html>" as one line.
void WriteReportTail(OutputFile& report, Tail tail);

/// "<br>Exo  3:14 - Exo  3:16", or "<br>Exo  3:14" for a run of one verse.
std::string RangeLine(std::int16_t firstBook, std::int16_t firstChapter, std::int16_t firstVerse,
                      std::int16_t lastBook, std::int16_t lastChapter, std::int16_t lastVerse);

/// «<p><a href='..\Data\EnglishOT.html#412'><b>Exo 3:14 </b></a> W1 W2», with
/// "(W1 W2)" for an alternate match. Reads Hebrew.txt forward only.
std::string WriteSingleLineHit(SearchContext& context, std::int16_t book, std::int16_t chapter,
                               std::int16_t verse, bool alternate, std::int16_t anchor);

/// Writes the entries of a gematria run (the later verses by the next-line
/// lookups) and the run separator. A first verse behind the read position is
/// found by starting Hebrew.txt over.
void WriteMultipleLineHit(SearchContext& context, std::int16_t book, std::int16_t chapter,
                          std::int16_t verse, std::int16_t furtherVerses, bool alternate);

/// Word marks: 0 ends the words, 1 highlights, 2 highlights in parentheses,
/// 3 writes the word plainly, anything else leaves the slot out.
using WordMarks = std::array<std::int16_t, 46>;
std::string WriteSingleWordHit(SearchContext& context, std::int16_t book, std::int16_t chapter,
                               std::int16_t verse, const WordMarks& marks, std::int16_t anchor);

/// Entries of the phrase search. The words of the verse read last are kept, so
/// later hits of the same verse (verseSeen) leave Hebrew.txt alone.
class MultipleWordWriter {
public:
    std::string WriteMultipleWordHit(SearchContext& context, std::int16_t book,
                                     std::int16_t chapter, std::int16_t verse,
                                     std::int16_t firstWord, std::int16_t wordCount,
                                     std::int16_t lastWord, bool alternate, bool verseSeen,
                                     std::int16_t anchor);

private:
    std::vector<std::string> keptWords_;
};

}  // namespace vellumark

#pragma once

#include "data/EnglishLookup.h"
#include "search/Searches.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vellumark {

class AtomicFile;

/// The lines every report shares, built here once for the searches and the
/// report filter. A report is CR LF text: the head "<html>", "<head>",
/// "</head>", "<body>", an optional heading block, two-line hit entries, and
/// a tail.
inline constexpr std::string_view kEntryStart = "<p><a href='..\\Data\\EnglishOT.html#";

/// "<h2>" + heading + "</h2>", every line break of the heading written as
/// "<br>", so the heading stays one report line: "a\nb" gives "<h2>a<br>b</h2>".
std::string HeadingLine(std::string_view heading);

/// Why a header cannot be a report's heading: its heading line would be longer
/// than the 32,767 characters a report line may hold, so the report could not
/// be read back. Empty for a header that fits, or a blank one (no heading).
std::string HeadingTooLong(std::string_view header);

/// "<p>", the heading line, "<p>".
void WriteHeadingBlock(AtomicFile& report, std::string_view heading);

/// "<html>", "<head>", "</head>", "<body>", then the heading block when the
/// header is not blank.
void WriteReportHead(AtomicFile& report, const std::string& header);

/// The line after the head that says how a search differs from the default
/// one: "<p>Method: Ordinal. Range: Genesis 1:1 to Deuteronomy 34:12.</p>",
/// "<p>Method: Atbash.</p>", "<p>Range: Exodus 3:14.</p>" (a range of one
/// verse), "<p>Scope: Torah.</p>" (a named scope), "<p>Text: read (qere).</p>"
/// (the read text). The method is named when it is not StandardAndFinal and
/// the search uses it (not for Word Count or Letter Count); "Method: All
/// methods." for a search under all of them. Empty when nothing differs.
std::string SearchedLine(const SearchRequest& request);

/// The heading of a method's hits in a search under All methods: "<h3>Albam</h3>".
std::string MethodHeadingLine(Method method);

/// True for the line SearchedLine writes.
bool IsSearchedLine(std::string_view line);

enum class Tail { TwoLines, OneLine };
/// "</body>" and "</html>", or "</body></html>" as one line.
void WriteReportTail(AtomicFile& report, Tail tail);

/// True for the first line of a hit entry (letter case ignored).
bool IsEntry(std::string_view line);

// An entry is written through a pointer into room made for it, and then
// goes to the report whole: each Put returns the pointer past its bytes.

/// The room PutEntryStart takes besides its bold part.
inline constexpr std::size_t kEntryStartRoom = kEntryStart.size() + 24;
/// Writes «<p><a href='..\Data\EnglishOT.html#412'><b>Exo 3:14 </b></a> »: the
/// entry line up to the Hebrew text.
char* PutEntryStart(char* p, std::int16_t anchor, std::string_view boldPart);

/// The room PutVerseKey takes.
inline constexpr std::size_t kVerseKeyRoom = 32;
/// Writes the verse key of Hebrew.txt, as VerseKey gives it: «Exo 3:14 ».
char* PutVerseKey(char* p, std::int16_t book, std::int16_t chapter, std::int16_t verse);

/// The room PutEnglishBlock takes besides the text.
inline constexpr std::size_t kEnglishBlockRoom = 64;
/// Writes the English block line of an entry.
char* PutEnglishBlock(char* p, const EnglishBlock& english);

/// "<br>Exo  3:14 - Exo  3:16", or "<br>Exo  3:14" for a run of one verse.
std::string RangeLine(std::int16_t firstBook, std::int16_t firstChapter, std::int16_t firstVerse,
                      std::int16_t lastBook, std::int16_t lastChapter, std::int16_t lastVerse);

/// The line that ends the entries of one verse run.
extern const std::string kRunSeparator;

}  // namespace vellumark

#pragma once

#include "search/HitRows.h"

#include <memory>
#include <string>
#include <string_view>

namespace vellumark {

enum class RowFormat { Csv, Json, Text };

/// Appends rows in one format to a buffer: begin() once, row() per row,
/// finish() once. The caller may take the bytes out of the buffer (and clear
/// it) between any two calls; the window and the command line write the same
/// bytes for the same search.
///
///   csv   value,method,match,book,chapter,verse,end_book,end_chapter,end_verse,
///         first_word,last_word,hebrew,alternate,english (RFC 4180, CR LF)
///   json  [{"value":913,"method":"standard-final",...},...] one object a line
///   text  «Gen 1:1, word 1  בראשית  913», «Gen 1:1, words 1-7  בראשית ...  2701»,
///         a run «Gen 1:1-Gen 1:3  ...  913»; a hit on the final-letter value
///         shows its Hebrew in parentheses, as reports do: «(...)»; under All
///         methods the method follows: «Gen 1:1, word 1  ...  913  Albam».
class RowWriter {
public:
    RowWriter(RowFormat format, std::string& out) : format_(format), out_(out) {}

    void begin();
    void row(const HitRow& row);
    void finish();

private:
    void csv(const HitRow& row);
    void json(const HitRow& row);
    void text(const HitRow& row);
    /// Room for a row of up to `bytes` bytes, written through the pointer and
    /// then appended to the output whole by take(end).
    char* room(std::size_t bytes);
    void take(const char* end);

    RowFormat format_;
    std::string& out_;
    bool first_ = true;
    std::unique_ptr<char[]> room_;
    std::size_t roomSize_ = 0;
};

/// The names the rows give methods and matches: "standard-final", "verse-runs".
std::string_view MethodKey(Method method);
std::string_view MatchKey(Match match);

/// Appends `text` as a CSV field, quoted when it holds a comma, a quote or a
/// line break.
void AppendCsvField(std::string& out, std::string_view text);

}  // namespace vellumark

#pragma once

#include "cli/HitRows.h"
#include "cli/Output.h"

#include <memory>
#include <string>

namespace vellumark::cli {

/// Writes rows in one format: begin() once, row() per hit, finish() once.
class RowWriter {
public:
    virtual ~RowWriter() = default;
    virtual void begin() {}
    virtual void row(const HitRow& row) = 0;
    virtual void finish() {}
};

enum class Format { Html, Csv, Json, Text };

/// The writer of `format` (not Html) into `out`.
///   csv   value,method,match,book,chapter,verse,end_book,end_chapter,end_verse,
///         first_word,last_word,hebrew,alternate,english (RFC 4180, CR LF)
///   json  [{"value": 913, "method": "standard-final", ...}, ...]
///   text  «Gen 1:1  בראשית  913», a run of verses as «Gen 1:1-Gen 1:3  ...»
std::unique_ptr<RowWriter> MakeRowWriter(Format format, Output& out);

/// A CSV field, quoted when it holds a comma, a quote or a line break.
std::string CsvField(std::string_view text);

}  // namespace vellumark::cli

#pragma once

#include "cli/Output.h"
#include "search/RowWriters.h"

#include <memory>
#include <string>

namespace vellumark::cli {

enum class Format { Html, Csv, Json, Text };

/// The core's rows of one format (not Html) on their way to an output: the
/// bytes gather in a buffer that goes to `out` in pieces of 64 KiB, the rest
/// at finish().
class RowOutput {
public:
    RowOutput(Format format, Output& out);

    void begin();
    void row(const HitRow& row);
    void finish();

private:
    void flushFull();

    Output& out_;
    std::string buffer_;
    RowWriter writer_;
};

}  // namespace vellumark::cli

#include "cli/RowWriters.h"

namespace vellumark::cli {

namespace {

constexpr std::size_t kPieceSize = 1 << 16;

RowFormat RowFormatOf(Format format) {
    switch (format) {
        case Format::Csv:
            return RowFormat::Csv;
        case Format::Json:
            return RowFormat::Json;
        default:
            return RowFormat::Text;
    }
}

}  // namespace

RowOutput::RowOutput(Format format, Output& out)
    : out_(out), writer_(RowFormatOf(format), buffer_) {
    buffer_.reserve(kPieceSize + 4096);
}

void RowOutput::flushFull() {
    if (buffer_.size() < kPieceSize) return;
    out_.write(buffer_);
    buffer_.clear();
}

void RowOutput::begin() { writer_.begin(); }

void RowOutput::row(const HitRow& row) {
    writer_.row(row);
    flushFull();
}

void RowOutput::finish() {
    writer_.finish();
    out_.write(buffer_);
    buffer_.clear();
}

}  // namespace vellumark::cli

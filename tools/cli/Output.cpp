#include "cli/Output.h"

#include "data/AtomicFile.h"
#include "data/FileErrors.h"

#include <cerrno>
#include <cstdio>

namespace vellumark::cli {

namespace {

/// Standard output is written in pieces of this size.
constexpr std::size_t kFlushSize = 1 << 16;

}  // namespace

Output::Output(const std::string& target) {
    if (target != "-") file_ = std::make_unique<AtomicFile>(target, AtomicFile::Links::Follow);
}

Output::~Output() = default;

void Output::write(std::string_view bytes) {
    if (file_) {
        file_->write(bytes);
        return;
    }
    buffer_ += bytes;
    if (buffer_.size() >= kFlushSize) commit();
}

void Output::commit() {
    if (file_) {
        file_->commit();
        return;
    }
    if (!buffer_.empty() &&
        std::fwrite(buffer_.data(), 1, buffer_.size(), stdout) != buffer_.size())
        throw SystemFileError(errno, "standard output", "write file");
    buffer_.clear();
    if (std::fflush(stdout) != 0) throw SystemFileError(errno, "standard output", "write file");
}

void WriteOut(std::string_view bytes) {
    Output out("-");
    out.write(bytes);
    out.commit();
}

}  // namespace vellumark::cli

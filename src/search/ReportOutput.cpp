#include "search/ReportOutput.h"

#include "data/Errors.h"
#include "data/FileStatus.h"

#include <cerrno>
#include <cstdio>

namespace vellumark {

OutputFile::OutputFile(std::string targetPath, std::string temporaryPath)
    : target_(std::move(targetPath)), temporary_(std::move(temporaryPath)) {
    if (temporary_.empty()) temporary_ = target_ + ".part";
    errno = 0;
    out_.open(temporary_, std::ios::binary | std::ios::trunc);
    if (!out_) throw FileError(LastErrorCode(target_), target_);
}

OutputFile::~OutputFile() {
    if (committed_) return;
    out_.close();
    std::remove(temporary_.c_str());
}

void OutputFile::line(std::string_view text) {
    out_.write(text.data(), static_cast<std::streamsize>(text.size()));
    out_.write("\r\n", 2);
}

void OutputFile::write(std::string_view bytes) {
    out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void OutputFile::commit() {
    out_.close();
    if (out_.fail()) throw FileError(kAccessError, target_);
    errno = 0;
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0)
        throw FileError(LastErrorCode(target_), target_);
    committed_ = true;
}

}  // namespace vellumark

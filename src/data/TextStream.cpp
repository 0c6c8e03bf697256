#include "data/TextStream.h"

#include "data/Errors.h"
#include "data/FileStatus.h"

#include <cerrno>
#include <fstream>

namespace vellumark {

TextStream::TextStream(std::string path) : path_(std::move(path)) {
    errno = 0;
    if (!std::ifstream(path_, std::ios::binary)) throw FileError(LastErrorCode(path_), path_);
}

void TextStream::load() {
    content_ = ReadWholeText(path_);
    loaded_ = true;
}

void TextStream::reopen() {
    offset_ = 0;
    lineNumber_ = 0;
}

bool TextStream::atEnd() {
    if (!loaded_) load();
    return offset_ >= content_.size();
}

bool TextStream::readLine(std::string& line) {
    if (atEnd()) return false;
    std::size_t end = content_.find('\n', offset_);
    if (end == std::string::npos) end = content_.size();
    std::size_t length = end - offset_;
    if (length > 0 && content_[end - 1] == '\r') --length;
    line.assign(content_, offset_, length);
    offset_ = end + 1;
    ++lineNumber_;
    if (line.size() > kMaxLine) {
        throw DataError(path_ + ", line " + std::to_string(lineNumber_) +
                        ": the line is longer than 32,767 characters.");
    }
    return true;
}

std::string TextStream::readLineOrFail(const std::string& why) {
    std::string line;
    if (!readLine(line)) throw DataError(path_ + ": " + why);
    return line;
}

std::string FindLine(TextStream& stream, const std::function<bool(const std::string&)>& matches,
                     bool wrap, const std::string& verse) {
    const long startLine = stream.lineNumber();
    bool wrapped = false;
    std::string line;
    for (;;) {
        if (wrapped && stream.lineNumber() >= startLine) break;
        if (!stream.readLine(line)) {
            if (!wrap || wrapped || startLine == 0) break;
            stream.reopen();
            wrapped = true;
            continue;
        }
        if (matches(line)) return line;
    }
    throw DataError(stream.path() + ": no line for " + verse +
                    (wrap ? " was found." : " was found after the previous one."));
}

}  // namespace vellumark

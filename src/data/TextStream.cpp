#include "data/TextStream.h"

#include "data/Errors.h"
#include "data/FileStatus.h"

#include <cerrno>

namespace vellumark {

TextStream::TextStream(std::string path) : path_(std::move(path)) { open(); }

void TextStream::open() {
    errno = 0;
    in_.open(path_, std::ios::binary);
    if (!in_) throw FileError(LastErrorCode(path_), path_);
    lineNumber_ = 0;
}

void TextStream::reopen() {
    in_.close();
    in_.clear();
    open();
}

bool TextStream::atEnd() {
    return in_.peek() == std::char_traits<char>::eof();
}

bool TextStream::readLine(std::string& line) {
    if (atEnd()) return false;
    std::getline(in_, line);
    if (in_.bad()) throw FileError(kAccessError, path_);
    if (!line.empty() && line.back() == '\r') line.pop_back();
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
